# Fails when a C++ file of the project is not formatted by the root
# .clang-format: every .h and .cpp under src/, tests/, bench/, fuzz/ and
# examples/ (the layer checks' fixtures are text for a script, not code),
# checked in one run of clang-format, which names each file and line.
#   cmake -DROOT=<project> -DCLANG_FORMAT=<program> -P CheckFormat.cmake
if(NOT CLANG_FORMAT)
    message(FATAL_ERROR "clang-format was not found when the build was configured; "
                        "scripts/setup installs it")
endif()
set(files)
foreach(folder src tests bench fuzz examples)
    file(GLOB_RECURSE found ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    list(APPEND files ${found})
endforeach()
list(FILTER files EXCLUDE REGEX "/tests/layers/fixtures/")
list(LENGTH files count)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${files}
                WORKING_DIRECTORY ${ROOT}
                RESULT_VARIABLE result
                ERROR_VARIABLE report)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${report}\nNot formatted by the root .clang-format; "
                        "run clang-format -i on the files above.")
endif()
message(STATUS "${count} files formatted")
