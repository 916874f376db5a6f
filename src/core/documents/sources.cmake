list(APPEND ZEBRIN_CORE_SOURCES
    core/documents/ByteScan.h
    core/documents/DocumentCommands.cpp core/documents/DocumentCommands.h
    core/documents/DocumentFile.cpp core/documents/DocumentFile.h
    core/documents/DocumentFormat.cpp core/documents/DocumentFormat.h
    core/documents/PostFile.cpp core/documents/PostFile.h
    core/documents/SharedTextBlock.cpp core/documents/SharedTextBlock.h
    core/documents/TuringFile.cpp core/documents/TuringFile.h
)
