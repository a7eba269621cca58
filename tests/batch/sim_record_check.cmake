# Runs a simulator subcommand of orven-batch (COMMAND, with its default populations
# POPULATIONS) with a fixed seed and date, appending to a fresh results file, and compares the
# file with the checked record; bad arguments must give exit status 2, and a run length beyond
# the limit must be refused with a message that names the limit.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
    COMMAND "${BATCH}" ${COMMAND} --populations ${POPULATIONS} --experiment 0 --runtime 100000
            --seed 1 --date "2026-01-31 14:05:09" --output record
    WORKING_DIRECTORY "${WORK}"
    RESULT_VARIABLE status
    OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "orven-batch ${COMMAND} failed with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/record.txt" "${EXPECTED}"
    RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "the record differs from ${EXPECTED}")
endif()

foreach(bad "--runtime;0" "--populations;5,0,5" "--experiment;4" "--runtime;1.0001e14")
    execute_process(COMMAND "${BATCH}" ${COMMAND} ${bad}
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE error)
    if(NOT status EQUAL 2)
        message(FATAL_ERROR "orven-batch ${COMMAND} ${bad} gave ${status}, not 2")
    endif()
endforeach()
if(NOT error MATCHES "1E\\+14")
    message(FATAL_ERROR "the refusal of a run length beyond the limit does not name it: ${error}")
endif()
