list(APPEND ZEBRIN_CORE_SOURCES
    documents/CellText.cpp documents/CellText.h
    documents/Cp1251.cpp documents/Cp1251.h
    documents/DocumentFile.cpp documents/DocumentFile.h
    documents/DocumentCommands.cpp documents/DocumentCommands.h
    documents/IntegerSyntax.cpp documents/IntegerSyntax.h
    documents/PostFile.cpp documents/PostFile.h
    documents/TuringFile.cpp documents/TuringFile.h
)
