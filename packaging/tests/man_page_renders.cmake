# Renders a manual page as man does and fails on any warning of the formatter.
# cmake -DPAGE=path/to/page.1 -P man_page_renders.cmake
execute_process(
    COMMAND groff -man -ww -z -Tutf8 -K utf8 ${PAGE}
    RESULT_VARIABLE status
    ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${PAGE} does not render cleanly (status ${status}):\n${warnings}")
endif()
