# Builds zebrin_core_widget_probe in BUILD_DIR and passes only when that build
# fails because the compiler cannot find <QWidget>. Any other outcome (the
# probe builds, the target is unknown, something else breaks first) fails and
# shows the build's output.
#
#   cmake -DBUILD_DIR=<build folder> -P BuildProbe.cmake

cmake_minimum_required(VERSION 3.22)

# The compiler's messages are matched in English.
set(ENV{LC_ALL} C)
execute_process(
    COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target zebrin_core_widget_probe
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)

if(rc EQUAL 0)
    message(FATAL_ERROR "the probe built: <QWidget> is reachable with zebrin_core's include "
                        "folders. The build printed:\n${out}")
endif()
# GCC, then clang.
if(NOT out MATCHES "QWidget: No such file or directory|'QWidget' file not found")
    message(FATAL_ERROR "the probe's build failed (exit ${rc}) without the compiler missing "
                        "<QWidget>. The build printed:\n${out}")
endif()
message(STATUS "the probe failed as it must: <QWidget> is not on zebrin_core's include path")
