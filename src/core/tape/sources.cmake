list(APPEND ZEBRIN_CORE_SOURCES
    core/tape/TapeStore.cpp core/tape/TapeStore.h
    core/tape/TapeWindow.cpp core/tape/TapeWindow.h
)
