# The translation checks of the test suite, run by ctest as `cmake -P` (lists arrive with
# "|" between their items):
#
#   MODE=lupdate   lupdate over the sources (SOURCES, INCLUDE, OPTIONS as the update
#                  target gives them) into a copy of each .ts file (TS_FILES): fails on any
#                  warning (a text under a context no code asks for, a class it cannot
#                  resolve), and where a .ts file lacks a text of the sources or keeps one
#                  they no longer have: run the update_translations target then.
#   MODE=lrelease  lrelease of each .ts file: fails on any error; prints how many texts
#                  each language has finished; fails where a language listed in FINISHED
#                  has anything unfinished, and where one not listed has nothing
#                  unfinished (then it belongs in the list, so that it stays complete).
cmake_minimum_required(VERSION 3.25)

foreach(list TS_FILES SOURCES OPTIONS FINISHED)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(failures "")

if(MODE STREQUAL "lupdate")
    list(TRANSFORM SOURCES APPEND "\n" OUTPUT_VARIABLE lines)
    string(JOIN "" lines ${lines})
    file(WRITE "${WORK}/sources.lst" "-I${INCLUDE}\n${lines}")
    foreach(ts IN LISTS TS_FILES)
        get_filename_component(name "${ts}" NAME)
        file(COPY_FILE "${ts}" "${WORK}/${name}")
        execute_process(COMMAND "${TOOL}" ${OPTIONS} "@${WORK}/sources.lst" -ts "${WORK}/${name}"
                        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
        message("${name}:\n${out}${err}")
        if(NOT status EQUAL 0)
            list(APPEND failures "lupdate ended with ${status} on ${name}")
        endif()
        if(NOT err STREQUAL "")
            list(APPEND failures "lupdate warned on ${name}")
        endif()
        if(NOT out MATCHES "Found [0-9]+ source text\\(s\\) \\(0 new and")
            list(APPEND failures "${name} lacks texts of the sources")
        endif()
        if(out MATCHES "Removed [0-9]+ obsolete")
            list(APPEND failures "${name} keeps texts the sources no longer have")
        endif()
    endforeach()
elseif(MODE STREQUAL "lrelease")
    foreach(ts IN LISTS TS_FILES)
        get_filename_component(name "${ts}" NAME_WE)
        string(REGEX REPLACE "^rula_" "" language "${name}")
        execute_process(COMMAND "${TOOL}" "${ts}" -qm "${WORK}/${name}.qm"
                        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT status EQUAL 0 OR NOT err STREQUAL "")
            list(APPEND failures "lrelease failed on ${name}.ts: ${err}")
            continue()
        endif()
        if(NOT out MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and ([0-9]+) unfinished\\)")
            list(APPEND failures "lrelease said nothing of ${name}.ts: ${out}")
            continue()
        endif()
        set(finished ${CMAKE_MATCH_2})
        set(unfinished ${CMAKE_MATCH_3})
        if(out MATCHES "Ignored ([0-9]+) untranslated")
            math(EXPR unfinished "${unfinished} + ${CMAKE_MATCH_1}")
        endif()
        message("${language}: ${finished} finished, ${unfinished} unfinished")
        list(FIND FINISHED "${language}" listed)
        if(listed GREATER -1 AND unfinished GREATER 0)
            list(APPEND failures "${language}: ${unfinished} texts unfinished")
        elseif(listed EQUAL -1 AND unfinished EQUAL 0)
            list(APPEND failures "${language} is complete: add it to RULA_FINISHED_LANGUAGES")
        endif()
    endforeach()
else()
    message(FATAL_ERROR "MODE is lupdate or lrelease")
endif()

if(failures)
    list(JOIN failures "\n" failures)
    message(FATAL_ERROR "${failures}")
endif()
