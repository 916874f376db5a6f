list(APPEND ZEBRIN_CORE_SOURCES
    tape/CarriageMoves.cpp tape/CarriageMoves.h
    tape/TapeStore.cpp tape/TapeStore.h
)
