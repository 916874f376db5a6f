list(APPEND ZEBRIN_CORE_SOURCES
    core/workbench/InterpreterSwitch.cpp core/workbench/InterpreterSwitch.h
    core/workbench/Workbench.cpp core/workbench/Workbench.h
)
