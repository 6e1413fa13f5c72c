cmake_minimum_required(VERSION 3.25)
# One wiring style: a view tells the window through Qt signals, a model reports through
# `Reporter`, and a feature asks another through an interface it is handed at construction.
# A `std::function` in a header is a callback; only the sources listed below may be one
# (see "One wiring style" in docs/ARCHITECTURE.md for why each stays). The check fails on
# any other `std::function` in a header of src/, and on a listed one that is gone, so the
# list stays true.
# Called as: cmake -DSRC=<src folder> -P check_callbacks.cmake

# "<header>: <name>", the name being the member, parameter or alias declared.
set(allowed
    "platform/Surface.h: SurfaceDrawing"          # how a picture draws itself again
    "platform/Dialogs.h: FilterChange"            # the file dialog's filter change
    "reference/OrbitAnimation.h: random"          # the orbit's random numbers
    "reference/OrbitAnimation.h: random_"
    "reference/OrbitView.h: random"
    "reference/PictureCache.h: Loader"            # how a picture file is read
    "print/CalcPrinter.h: printerNames"           # the system's printers
    "print/CalcPrinter.h: defaultPrinterName"
)

include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
pelcor_sources(headers *.h)
set(problems "")
set(found "")
foreach(file IN LISTS headers)
    # One list entry a line: the semicolons and brackets of the code would split or join
    # entries, so they become ` and ( ) first.
    file(READ ${SRC}/${file} text)
    string(REPLACE ";" "`" text "${text}")
    string(REPLACE "[" "(" text "${text}")
    string(REPLACE "]" ")" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(REGEX REPLACE "//.*$" "" code "${line}")
        if(NOT code MATCHES "std::function")
            continue()
        endif()
        if(code MATCHES "using[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]*=[ \t]*std::function")
            set(name ${CMAKE_MATCH_1})
        elseif(code MATCHES "std::function<[^`]*>[ \t&]*([A-Za-z_][A-Za-z0-9_]*)")
            set(name ${CMAKE_MATCH_1})
        else()
            set(name "?")
        endif()
        set(key "${file}: ${name}")
        list(FIND allowed "${key}" at)
        if(at EQUAL -1)
            list(APPEND problems "${file}:${number}: `${name}` is a std::function, wire it with a signal or an interface")
        else()
            list(APPEND found "${key}")
        endif()
    endforeach()
endforeach()
foreach(entry IN LISTS allowed)
    list(FIND found "${entry}" at)
    if(at EQUAL -1)
        list(APPEND problems "no longer found, remove it from check_callbacks.cmake: ${entry}")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "Callbacks outside the wiring style:\n  ${text}")
endif()
list(LENGTH found count)
message(STATUS "Only the listed sources are callbacks (${count} in the headers)")
