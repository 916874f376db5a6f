# Checks that docs/ARCHITECTURE.md describes the layers the build has: the
# rows of its table of core layers, in order, are ZEBRIN_CORE_LAYERS, and the
# order of window regions it writes out is ZEBRIN_WINDOW_REGIONS.
#
#   cmake -DDOC=... "-DCORE_LAYERS=a;b" "-DWINDOW_REGIONS=c;d" -P CheckDocumentedLayers.cmake
# Read whole: markdown's brackets would break a CMake list of lines.
file(READ "${DOC}" text)
string(FIND "${text}" "| layer | owns |" at)
set(documented)
if(at GREATER -1)
    string(SUBSTRING "${text}" ${at} -1 table)
    string(FIND "${table}" "\n\n" tableEnd)
    string(SUBSTRING "${table}" 0 ${tableEnd} table)
    string(REGEX MATCHALL "\n\\| `[a-z]+/` \\|" rows "${table}")
    foreach(row IN LISTS rows)
        string(REGEX REPLACE "^\n\\| `([a-z]+)/` \\|$" "\\1" name "${row}")
        list(APPEND documented "${name}")
    endforeach()
endif()
set(regions "")
if(text MATCHES "\\(`(resources[a-z ]*)`")
    set(regions "${CMAKE_MATCH_1}")
endif()
set(failures "")
if(NOT documented STREQUAL CORE_LAYERS)
    string(APPEND failures "the table of core layers lists \"${documented}\", the build has \"${CORE_LAYERS}\"\n")
endif()
string(REPLACE " " ";" regions "${regions}")
if(NOT regions STREQUAL WINDOW_REGIONS)
    string(APPEND failures "the order of window regions reads \"${regions}\", the build has \"${WINDOW_REGIONS}\"\n")
endif()
if(failures)
    message(FATAL_ERROR "${DOC}:\n${failures}")
endif()
