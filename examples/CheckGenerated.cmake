# Runs the example generator into OUT_DIR and fails unless its output and
# the example files committed in SOURCE_DIR are the same set, FILES, byte
# for byte. Called by the test examples_match_their_source.

cmake_minimum_required(VERSION 3.22)

file(REMOVE_RECURSE ${OUT_DIR})
execute_process(COMMAND ${GENERATOR} ${OUT_DIR} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the example generator failed (${result})")
endif()

set(problems)
foreach(folder ${OUT_DIR} ${SOURCE_DIR})
    file(GLOB present RELATIVE ${folder} ${folder}/*.pst ${folder}/*.tur ${folder}/*.cases)
    foreach(file ${present})
        if(NOT file IN_LIST FILES)
            list(APPEND problems "${folder}/${file} is not listed in examples/CMakeLists.txt")
        endif()
    endforeach()
endforeach()
foreach(file ${FILES})
    if(NOT EXISTS ${OUT_DIR}/${file})
        list(APPEND problems "the generator no longer writes ${file}")
        continue()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT_DIR}/${file}
                            ${SOURCE_DIR}/${file}
                    RESULT_VARIABLE differ)
    if(NOT differ EQUAL 0)
        list(APPEND problems
             "${file} differs from the generator's output: build the target regenerate-examples")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n" text)
    message(FATAL_ERROR "${text}")
endif()
list(LENGTH FILES count)
message(STATUS "all ${count} example files match their source")
