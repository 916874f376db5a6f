list(APPEND ZEBRIN_CORE_SOURCES
    core/text/CellText.cpp core/text/CellText.h
    core/text/Cp1251.cpp core/text/Cp1251.h
    core/text/IntegerSyntax.cpp core/text/IntegerSyntax.h
    core/text/Language.cpp core/text/Language.h
    core/text/TextTable.cpp core/text/TextTable.h
)
