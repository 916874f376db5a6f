list(APPEND ZEBRIN_CORE_SOURCES
    core/diagram/DiagramText.cpp core/diagram/DiagramText.h
    core/diagram/PostDiagram.cpp
    core/diagram/ProgramDiagram.cpp core/diagram/ProgramDiagram.h
    core/diagram/TuringDiagram.cpp
)
