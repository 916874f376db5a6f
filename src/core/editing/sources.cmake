list(APPEND ZEBRIN_CORE_SOURCES
    core/editing/CarriageMoves.cpp core/editing/CarriageMoves.h
    core/editing/EditRecorder.cpp core/editing/EditRecorder.h
    core/editing/TableCommands.cpp core/editing/TableCommands.h
    core/editing/TapeEditing.cpp core/editing/TapeEditing.h
    core/editing/TapeScroller.cpp core/editing/TapeScroller.h
)
