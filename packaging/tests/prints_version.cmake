# orven-batch --version prints the program's name and the suite's version, and succeeds.
# cmake -DPROGRAM=path/to/orven-batch -DVERSION=x.y -P prints_version.cmake
execute_process(COMMAND ${PROGRAM} --version
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out STREQUAL "orven-batch ${VERSION}\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR
        "expected \"orven-batch ${VERSION}\" and status 0, got status ${status}:\n${out}${err}")
endif()
