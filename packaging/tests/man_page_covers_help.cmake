# The manual page of orven-batch documents every subcommand and every option that the program's
# own help lists, each under its subcommand's heading or in the shared options of the runs, so
# that a new subcommand or option cannot be left out of it.
# cmake -DPROGRAM=path/to/orven-batch -DPAGE=path/to/orven-batch.1 -P man_page_covers_help.cmake
file(READ ${PAGE} page)

function(help_of out)
    execute_process(COMMAND ${PROGRAM} ${ARGN} --help
        RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE text)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${ARGN} --help failed:\n${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The text of the page from a heading line to the next heading of either level.
function(section_of out heading)
    string(FIND "${page}" "\n${heading}\n" at)
    if(at EQUAL -1)
        set(${out} "" PARENT_SCOPE)
        return()
    endif()
    string(LENGTH "\n${heading}\n" skip)
    math(EXPR at "${at} + ${skip}")
    string(SUBSTRING "${page}" ${at} -1 rest)
    string(REGEX REPLACE "\n\\.S[HS] .*" "" body "${rest}")
    set(${out} "${body}" PARENT_SCOPE)
endfunction()

section_of(shared ".SH OPTIONS OF THE RUNS")

help_of(top)
string(REGEX REPLACE ".*\nSubcommands:\n" "" listing "${top}")
string(REGEX MATCHALL "(^|\n)  [a-z][a-z0-9-]*" commands "${listing}")
if(commands STREQUAL "")
    message(FATAL_ERROR "no subcommands found in:\n${top}")
endif()

set(missing)
foreach(entry IN LISTS commands)
    string(STRIP "${entry}" command)
    # roff writes every hyphen of a name as \-.
    string(REPLACE "-" "\\-" written "${command}")
    section_of(own ".SS ${written}")
    if(own STREQUAL "")
        list(APPEND missing "the subcommand ${command}")
        continue()
    endif()
    set(documented "${own}")
    string(FIND "${own}" "OPTIONS OF THE RUNS" shares)
    if(NOT shares EQUAL -1)
        string(APPEND documented "${shared}")
    endif()

    help_of(options ${command})
    string(REGEX MATCHALL "\\-\\-[a-z][a-z0-9-]*" names "${options}")
    list(REMOVE_DUPLICATES names)
    list(REMOVE_ITEM names "--help")
    foreach(name IN LISTS names)
        string(REPLACE "-" "\\-" written "${name}")
        string(FIND "${documented}" "${written}" at)
        if(at EQUAL -1)
            list(APPEND missing "${name} of ${command}")
        endif()
    endforeach()
endforeach()

if(missing)
    list(JOIN missing "\n  " text)
    message(FATAL_ERROR "the manual page of orven-batch leaves out:\n  ${text}")
endif()
