# Runs CheckIncludes.cmake on the fixture tree fixtures/src (two core layers,
# low then high) and passes only when both modes fail and name exactly the
# includes planted there: low's upward include of high, and the Widgets and
# Gui headers in high.
#
#   cmake -DCHECK=<CheckIncludes.cmake> -DFIXTURES=<fixtures/src>
#         "-DGUI_DIRS=<list>" "-DCORE_DIRS=<list>" -P CheckFixtures.cmake

cmake_minimum_required(VERSION 3.22)

set(failed FALSE)

# Runs one mode and compares the "src/..." lines it prints with <expected>,
# one regular expression per line (the further arguments), in order.
function(expect mode)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DMODE=${mode} -DSRC=${FIXTURES} "-DCORE_LAYERS=low;high"
                "-DGUI_DIRS=${GUI_DIRS}" "-DCORE_DIRS=${CORE_DIRS}" -P ${CHECK}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    string(REPLACE ";" "," out "${out}") # one list element per line
    string(REGEX MATCHALL "(^|\n)src/[^\n]*" found "${out}")
    list(TRANSFORM found STRIP)
    set(fault "")
    if(rc EQUAL 0)
        set(fault "it passed")
    elseif(out MATCHES "(^|\n)circle: ")
        set(fault "it saw a circle where there is none")
    endif()
    list(LENGTH found foundCount)
    set(expected ${ARGN})
    list(LENGTH expected expectedCount)
    if(NOT foundCount EQUAL expectedCount)
        set(fault "it reported ${foundCount} includes, not ${expectedCount}")
    else()
        foreach(line pattern IN ZIP_LISTS found expected)
            if(NOT line MATCHES "^${pattern}$")
                set(fault "'${line}' is not '${pattern}'")
            endif()
        endforeach()
    endif()
    if(NOT fault STREQUAL "")
        message("${mode} mode on the fixtures: ${fault}. It printed (exit ${rc}):\n${out}")
        set(failed TRUE PARENT_SCOPE)
    endif()
endfunction()

expect(layers "src/core/low/Low\\.h:4: core/high/High\\.h: core/high comes after core/low .*")
expect(gui "src/core/high/High\\.cpp:3: QPainter: found in .*"
           "src/core/high/High\\.h:3: QtWidgets/QLabel: a QtWidgets header.*")

if(failed)
    message(FATAL_ERROR "CheckIncludes.cmake misjudged the fixture tree")
endif()
