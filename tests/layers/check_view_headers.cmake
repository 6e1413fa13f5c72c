cmake_minimum_required(VERSION 3.25)
# The views keep their controls to themselves. In the public part of a view's header (and of
# the window's helpers in app/, and of the converter and print windows):
#  1. no data member is a control, such as `QLabel* MemLabel;` (a parameter struct may hand
#     in a parent `QWidget*` or the `PictureBox*` a feature draws on, nothing else);
#  2. no function returns a control, such as `QPushButton* PlanetButt() const;` (a view may
#     hand out a plain `QWidget*`: its own panel, or the picture a feature draws on).
# Tests reach controls through their object names, as a screen reader does.
# Called as: cmake -DSRC=<src folder> -DWIDGETS=<QtWidgets include folder> -P check_view_headers.cmake

# The views' headers: the same files check_layers.cmake calls views, apart from the desktop's
# own controls (platform/widgets) and the main window, which composes everything.
set(view_pattern "(View|Cell)\\.h$|^converter/Converter\\.h$|^print/CalcPrinter\\.h$|^app/.*\\.h$")
set(exempt_pattern "^app/MainCalc\\.h$|^platform/widgets/")

# Controls: every class of QtWidgets but QWidget itself, and the program's own views.
file(GLOB widget_classes RELATIVE ${WIDGETS} ${WIDGETS}/Q*)
list(FILTER widget_classes EXCLUDE REGEX "\\.h$|^QWidget$|^QtWidgets")
include(${CMAKE_CURRENT_LIST_DIR}/sources.cmake)
pelcor_sources(sources *.h)
set(view_classes "")
foreach(file IN LISTS sources)
    if(file MATCHES "([A-Za-z0-9_]+View)\\.h$")
        list(APPEND view_classes ${CMAKE_MATCH_1})
    endif()
endforeach()
list(APPEND view_classes TCalcConv TCalcPrint1)
set(controls ${widget_classes} ${view_classes})
list(REMOVE_DUPLICATES controls)
string(REPLACE ";" "|" control_alternatives "${controls}")
set(type "(const[ \t]+)?(${control_alternatives})[ \t]*[*&]")

set(problems "")
set(checked 0)
foreach(file IN LISTS sources)
    if(NOT file MATCHES "${view_pattern}" OR file MATCHES "${exempt_pattern}")
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${SRC}/${file} lines)
    # The access of the innermost class or struct being read, one entry per open brace of a
    # class; other braces (functions, namespaces, initialisers) push "-" and keep the access.
    set(stack "")
    set(access "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(REGEX REPLACE "//.*$" "" code "${line}")
        if(code MATCHES "^[ \t]*(public|protected|private)([ \t]+(slots|Q_SLOTS))?[ \t]*:")
            set(access ${CMAKE_MATCH_1})
        elseif(code MATCHES "^[ \t]*(signals|Q_SIGNALS)[ \t]*:")
            set(access signals)
        elseif(access STREQUAL "public" AND code MATCHES "^[ \t]*(static[ \t]+|virtual[ \t]+|inline[ \t]+)*${type}[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*(=[^;(]*)?[ \t]*[;,{]")
            list(APPEND problems "${file}:${number}: the public member `${CMAKE_MATCH_4}` is a control (${CMAKE_MATCH_3})")
        elseif(access STREQUAL "public" AND code MATCHES "^[ \t]*(static[ \t]+|virtual[ \t]+|inline[ \t]+)*${type}[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*\\(")
            list(APPEND problems "${file}:${number}: the public function `${CMAKE_MATCH_4}` returns a control (${CMAKE_MATCH_3})")
        endif()
        # Follow the braces: a class or struct opens with its default access.
        string(REGEX MATCHALL "[{}]" braces "${code}")
        foreach(brace IN LISTS braces)
            if(brace STREQUAL "{")
                if(code MATCHES "^[ \t]*(class|struct)[ \t]" AND NOT code MATCHES "^[ \t]*enum")
                    if(access STREQUAL "private" OR access STREQUAL "protected")
                        set(opened hidden) # a class nested in a hidden part hides all of it
                    elseif(code MATCHES "^[ \t]*struct")
                        set(opened public)
                    else()
                        set(opened private)
                    endif()
                    list(APPEND stack "${access}")
                    set(access ${opened})
                    set(code "") # one class per line
                else()
                    list(APPEND stack "-")
                endif()
            elseif(stack)
                list(POP_BACK stack top)
                if(NOT top STREQUAL "-")
                    set(access "${top}")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

# Headers still to be tidied: each entry is a problem the check tolerates for now. An entry
# that no longer matches a problem fails the check too, so the list only shrinks.
set(pending "")
include(${CMAKE_CURRENT_LIST_DIR}/view_headers_pending.cmake OPTIONAL)
set(unexpected "")
foreach(problem IN LISTS problems)
    string(REGEX REPLACE ":[0-9]+:" ":" key "${problem}")
    list(FIND pending "${key}" at)
    if(at EQUAL -1)
        list(APPEND unexpected "${problem}")
    else()
        list(REMOVE_AT pending ${at})
    endif()
endforeach()
foreach(entry IN LISTS pending)
    list(APPEND unexpected "no longer found, remove it from view_headers_pending.cmake: ${entry}")
endforeach()

if(unexpected)
    list(JOIN unexpected "\n  " text)
    message(FATAL_ERROR "Views expose controls:\n  ${text}")
endif()
message(STATUS "No view exposes a control (${checked} headers)")
