list(APPEND ZEBRIN_CORE_SOURCES
    tape/TapeStore.cpp tape/TapeStore.h
)
