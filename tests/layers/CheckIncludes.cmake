# Checks the #include lines under src/ against the folder order set in
# src/CMakeLists.txt. Run with `cmake -P`; it needs nothing but CMake.
#
#   cmake -DMODE=layers -DSRC=<src> "-DCORE_LAYERS=<list>" "-DWINDOW_REGIONS=<list>"
#         -P CheckIncludes.cmake
#   cmake -DMODE=gui -DSRC=<src> "-DGUI_DIRS=<list>" "-DCORE_DIRS=<list>"
#         -P CheckIncludes.cmake
#
# MODE=layers reads every .h and .cpp under src/core, src/layout, src/paper,
# src/window, src/runner and src/app, MODE=gui those under src/core. Each offending
# include prints one line, "src/<file>:<line>: <included>: <why>", and the
# script exits non-zero when there is any.
#
# MODE=layers (lists bottom up, as ZEBRIN_CORE_LAYERS and ZEBRIN_WINDOW_REGIONS):
#   - a core file includes core files of its own layer and of the layers before
#     it, nothing else under src/;
#   - a window file includes core files, and window files of its own region and
#     of the regions before it;
#   - layout/ (the Graphviz adapter) includes core and layout files only; the
#     core never includes it;
#   - paper/ (pages for printing and PDF) includes core, layout and paper
#     files only; the window and the runner may include it;
#   - runner/ includes core, layout and runner files; only runner/ includes
#     runner/ (zebrin_runner is linked by the batch runner alone); nothing
#     includes app/;
#   - each source sits in a listed layer or region;
#   - a quoted include, or an angle include starting with core/, window/,
#     layout/, paper/, runner/ or app/, names a file that exists under src/, looked
#     up from the including file's folder first and then from src/, as the
#     compiler does.
#     AUTOMOC's outputs (*.moc, moc_*.cpp) live in the build folder and pass.
# Every include these rules allow goes from a folder to itself or to a folder
# earlier in one fixed order (core layers, layout, paper, window regions,
# runner, app),
# so on a tree that passes, the folder-level include graph has no circle. The
# script still searches that graph and prints each circle it meets as
# "circle: a -> b -> a". Each one holds at least one of the broken includes,
# and no reordering of the lists mends it: the code has to change.
#
# MODE=gui keeps the core on Qt Core: a core file includes no header of Qt Gui
# or Qt Widgets in any spelling: <QtGui/QColor>, <QtWidgets>, bare <QPainter>,
# <qcolor.h>, or the same in quotes. GUI_DIRS are the include folders of
# Qt6::Gui and Qt6::Widgets; the ones Qt6::Core also uses (CORE_DIRS, the Qt
# root) are dropped. A name is refused when it is a file in a remaining folder
# or starts with such a folder's name (QtGui/..., QtWidgets/...). A quoted name
# that is a file under src/ is this project's own and passes.

cmake_minimum_required(VERSION 3.22)

if(NOT MODE MATCHES "^(layers|gui)$")
    message(FATAL_ERROR "MODE must be layers or gui, not '${MODE}'")
endif()
if(NOT SRC OR NOT IS_DIRECTORY "${SRC}")
    message(FATAL_ERROR "SRC must name the src folder, not '${SRC}'")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)
get_filename_component(shownRoot "${SRC}" DIRECTORY)

if(MODE STREQUAL "layers")
    if(NOT CORE_LAYERS)
        message(FATAL_ERROR "CORE_LAYERS is empty")
    endif()
    set(scanned core layout paper window runner app)
else()
    set(guiDirs)
    foreach(dir IN LISTS GUI_DIRS)
        if(IS_DIRECTORY "${dir}" AND NOT dir IN_LIST CORE_DIRS)
            list(APPEND guiDirs "${dir}")
        endif()
    endforeach()
    if(NOT guiDirs)
        # Without them every name would pass; a check that cannot fail is a fault.
        message(FATAL_ERROR "no Qt Gui or Widgets include folder in GUI_DIRS '${GUI_DIRS}'")
    endif()
    set(scanned core)
endif()

set(globs)
foreach(top IN LISTS scanned)
    list(APPEND globs "${SRC}/${top}/*.h" "${SRC}/${top}/*.cpp")
endforeach()
file(GLOB_RECURSE files LIST_DIRECTORIES false ${globs})
list(SORT files)
if(NOT files)
    message(FATAL_ERROR "no .h or .cpp files under ${SRC}/{${scanned}}")
endif()

# Sets <out>_FOLDER (core/<layer>, window/<region>, layout, paper, runner or
# app), <out>_KIND (core, window, layout, paper, runner, app) and <out>_RANK (place in its
# list; -1 when the folder is not listed) for a path relative to src/.
function(classify rel out)
    set(folder ".")
    set(kind "")
    set(rank -1)
    if(rel MATCHES "^(core|window)/([^/]+)/")
        set(kind "${CMAKE_MATCH_1}")
        set(folder "${CMAKE_MATCH_1}/${CMAKE_MATCH_2}")
        if(kind STREQUAL "core")
            list(FIND CORE_LAYERS "${CMAKE_MATCH_2}" rank)
        else()
            list(FIND WINDOW_REGIONS "${CMAKE_MATCH_2}" rank)
        endif()
    elseif(rel MATCHES "^(core|window)/")
        set(kind "${CMAKE_MATCH_1}")
        set(folder "${CMAKE_MATCH_1}")
    elseif(rel MATCHES "^(layout|paper|runner|app)/")
        set(kind "${CMAKE_MATCH_1}")
        set(folder "${CMAKE_MATCH_1}")
        set(rank 0)
    endif()
    set(${out}_FOLDER "${folder}" PARENT_SCOPE)
    set(${out}_KIND "${kind}" PARENT_SCOPE)
    set(${out}_RANK "${rank}" PARENT_SCOPE)
endfunction()

# Sets <out> to the include's path relative to src/ when it names a file there,
# to "" when it does not.
function(resolve name quoted fileDir out)
    set(candidates "${SRC}/${name}")
    if(quoted)
        list(PREPEND candidates "${fileDir}/${name}")
    endif()
    foreach(candidate IN LISTS candidates)
        get_filename_component(candidate "${candidate}" ABSOLUTE)
        file(RELATIVE_PATH rel "${SRC}" "${candidate}")
        if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}"
           AND NOT rel MATCHES "^\\.\\./")
            set(${out} "${rel}" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Why <name> is a Qt Gui or Widgets header, in <out>; "" when it is not.
function(gui_header name out)
    foreach(dir IN LISTS guiDirs)
        get_filename_component(module "${dir}" NAME)
        if(name STREQUAL module OR name MATCHES "^${module}/")
            set(${out} "a ${module} header, and the core builds on Qt Core only" PARENT_SCOPE)
            return()
        endif()
        if(EXISTS "${dir}/${name}" AND NOT IS_DIRECTORY "${dir}/${name}")
            set(${out} "found in ${dir}, and the core builds on Qt Core only" PARENT_SCOPE)
            return()
        endif()
    endforeach()
    set(${out} "" PARENT_SCOPE)
endfunction()

# Why an include from the file classified as <src> of the one classified as
# <dst> breaks the rules, in <out>; "" when it is allowed.
function(layer_rule src dst out)
    set(why "")
    set(fromKind "${${src}_KIND}")
    set(toKind "${${dst}_KIND}")
    set(from "${${src}_FOLDER}")
    set(to "${${dst}_FOLDER}")
    if(from STREQUAL to OR ${src}_RANK LESS 0)
        # Same folder, or a file already reported for sitting outside the lists.
    elseif(${dst}_RANK LESS 0)
        set(why "${to} is not a folder listed in src/CMakeLists.txt")
    elseif(toKind STREQUAL "app")
        set(why "app/ holds the window's main, which nothing includes")
    elseif(toKind STREQUAL "runner")
        set(why "only runner/ includes runner/, the batch runner's own")
    elseif(fromKind STREQUAL "core" AND NOT toKind STREQUAL "core")
        set(why "the core includes only core files")
    elseif(fromKind STREQUAL "layout" AND NOT toKind STREQUAL "core")
        set(why "the Graphviz adapter builds on the core alone")
    elseif(fromKind STREQUAL "paper" AND NOT toKind MATCHES "^(core|layout)$")
        set(why "the pages build on the core and the layout library alone")
    elseif(fromKind STREQUAL "runner" AND toKind STREQUAL "window")
        set(why "the runner builds on the core alone, never the window")
    elseif(fromKind STREQUAL toKind AND ${dst}_RANK GREATER ${src}_RANK)
        if(fromKind STREQUAL "core")
            set(listName ZEBRIN_CORE_LAYERS)
        else()
            set(listName ZEBRIN_WINDOW_REGIONS)
        endif()
        set(why "${to} comes after ${from} in ${listName}")
    endif()
    set(${out} "${why}" PARENT_SCOPE)
endfunction()

# Depth-first search of the folder graph (edges in zc_edges_<folder>) that
# records each circle closed by an edge back into the current path.
function(visit node)
    set_property(GLOBAL PROPERTY zc_state_${node} open)
    set_property(GLOBAL APPEND PROPERTY zc_path "${node}")
    get_property(next GLOBAL PROPERTY zc_edges_${node})
    foreach(target IN LISTS next)
        get_property(state GLOBAL PROPERTY zc_state_${target})
        if(state STREQUAL "open")
            get_property(path GLOBAL PROPERTY zc_path)
            list(FIND path "${target}" at)
            list(SUBLIST path ${at} -1 circle)
            list(APPEND circle "${target}")
            list(JOIN circle " -> " text)
            set_property(GLOBAL APPEND PROPERTY zc_circles "${text}")
        elseif(NOT state)
            visit("${target}")
        endif()
    endforeach()
    get_property(path GLOBAL PROPERTY zc_path)
    list(POP_BACK path)
    set_property(GLOBAL PROPERTY zc_path "${path}")
    set_property(GLOBAL PROPERTY zc_state_${node} done)
endfunction()

string(ASCII 1 maskBackslash)
string(ASCII 2 maskOpen)
string(ASCII 3 maskClose)
string(ASCII 4 maskSemicolon)
set(problems 0)
set(folders)
foreach(file IN LISTS files)
    file(RELATIVE_PATH rel "${SRC}" "${file}")
    file(RELATIVE_PATH shown "${shownRoot}" "${file}")
    get_filename_component(fileDir "${file}" DIRECTORY)
    classify("${rel}" me)
    if(MODE STREQUAL "layers" AND me_RANK LESS 0)
        message("${shown}: ${me_FOLDER} is not a folder listed in src/CMakeLists.txt")
        math(EXPR problems "${problems} + 1")
    endif()
    list(APPEND folders "${me_FOLDER}")

    # One list element per line. The characters that split or join CMake list
    # elements are masked with control characters first and unmasked in the
    # include names.
    file(READ "${file}" text)
    string(REPLACE "\r" "" text "${text}")
    string(REPLACE "\\" "${maskBackslash}" text "${text}")
    string(REPLACE "[" "${maskOpen}" text "${text}")
    string(REPLACE "]" "${maskClose}" text "${text}")
    string(REPLACE ";" "${maskSemicolon}" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
            continue()
        endif()
        set(name "${CMAKE_MATCH_2}")
        set(quoted FALSE)
        if(CMAKE_MATCH_1 STREQUAL "\"")
            set(quoted TRUE)
        endif()
        string(REPLACE "${maskBackslash}" "\\" name "${name}")
        string(REPLACE "${maskOpen}" "[" name "${name}")
        string(REPLACE "${maskClose}" "]" name "${name}")
        string(REPLACE "${maskSemicolon}" ";" name "${name}")

        set(why "")
        if(MODE STREQUAL "gui")
            resolve("${name}" ${quoted} "${fileDir}" found)
            if(NOT quoted OR found STREQUAL "")
                gui_header("${name}" why)
            endif()
        elseif(quoted OR name MATCHES "^(core|window|layout|paper|runner|app)/")
            resolve("${name}" ${quoted} "${fileDir}" found)
            if(found STREQUAL "")
                if(NOT name MATCHES "(^|/)(moc_[^/]*\\.cpp|[^/]*\\.moc)$")
                    set(why "no such file under src/")
                endif()
            else()
                classify("${found}" it)
                layer_rule(me it why)
                if(NOT me_FOLDER STREQUAL it_FOLDER)
                    get_property(edges GLOBAL PROPERTY zc_edges_${me_FOLDER})
                    if(NOT it_FOLDER IN_LIST edges)
                        set_property(GLOBAL APPEND PROPERTY zc_edges_${me_FOLDER} "${it_FOLDER}")
                    endif()
                endif()
            endif()
        endif()
        if(NOT why STREQUAL "")
            message("${shown}:${number}: ${name}: ${why}")
            math(EXPR problems "${problems} + 1")
        endif()
    endforeach()
endforeach()

if(MODE STREQUAL "layers")
    list(REMOVE_DUPLICATES folders)
    foreach(folder IN LISTS folders)
        get_property(state GLOBAL PROPERTY zc_state_${folder})
        if(NOT state)
            visit("${folder}")
        endif()
    endforeach()
    get_property(circles GLOBAL PROPERTY zc_circles)
    foreach(circle IN LISTS circles)
        message("circle: ${circle}")
    endforeach()
    if(circles AND problems EQUAL 0)
        message(FATAL_ERROR "the folder includes form a circle although each one obeys the order")
    endif()
endif()

list(LENGTH files count)
if(problems GREATER 0)
    message(FATAL_ERROR "${problems} problem(s) above, in ${count} files; the ${MODE} rules "
                        "are in the header of ${CMAKE_CURRENT_LIST_FILE}")
endif()
message(STATUS "${count} files, every include obeys the rules (${MODE})")
