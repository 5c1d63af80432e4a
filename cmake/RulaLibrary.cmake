# rula_add_library(name SOURCES ... [QT components...] [DEPENDS libs...])
#
# Declares a static library of the program. With RULA_SANITIZED_TESTS it declares a
# twin, <name>_san, built with AddressSanitizer and UndefinedBehaviorSanitizer, which
# the in-process tests link; the program itself always links the plain library.

set(RULA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
# GCC 12 reports std::string assignments as overlapping copies under -fsanitize (GCC bug
# 105329), a false positive in the standard library's own code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    list(APPEND RULA_WARNINGS -Wno-restrict)
endif()
set(RULA_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined)

function(rula_apply_warnings target)
    target_compile_options(${target} PRIVATE ${RULA_WARNINGS})
    if(RULA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

function(rula_apply_sanitizers target)
    target_compile_options(${target} PRIVATE ${RULA_SANITIZERS})
    target_link_options(${target} PUBLIC ${RULA_SANITIZERS})
endfunction()

# One flavour of a library: suffix "" for the program, "_san" for the sanitized tests.
function(rula_declare_library name suffix sources qt depends)
    set(target ${name}${suffix})
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    rula_apply_warnings(${target})
    foreach(component IN LISTS qt)
        target_link_libraries(${target} PUBLIC Qt6::${component})
    endforeach()
    foreach(dep IN LISTS depends)
        if(TARGET ${dep}${suffix})
            target_link_libraries(${target} PUBLIC ${dep}${suffix})
        else()
            target_link_libraries(${target} PUBLIC ${dep})
        endif()
    endforeach()
    if(suffix STREQUAL "_san")
        rula_apply_sanitizers(${target})
    endif()
endfunction()

function(rula_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;QT;DEPENDS" ${ARGN})
    rula_declare_library(${name} "" "${ARG_SOURCES}" "${ARG_QT}" "${ARG_DEPENDS}")
    if(RULA_TESTS AND RULA_SANITIZED_TESTS)
        rula_declare_library(${name} "_san" "${ARG_SOURCES}" "${ARG_QT}" "${ARG_DEPENDS}")
    endif()
endfunction()
