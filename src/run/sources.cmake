list(APPEND ZEBRIN_CORE_SOURCES
    run/ControlStates.h
    run/RunController.cpp run/RunController.h
    run/TableCommands.cpp run/TableCommands.h
)
