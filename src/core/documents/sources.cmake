list(APPEND ZEBRIN_CORE_SOURCES
    core/documents/DocumentCommands.cpp core/documents/DocumentCommands.h
    core/documents/DocumentFile.cpp core/documents/DocumentFile.h
    core/documents/PostFile.cpp core/documents/PostFile.h
    core/documents/TuringFile.cpp core/documents/TuringFile.h
)
