list(APPEND ZEBRIN_CORE_SOURCES
    app/InterpreterSwitch.cpp app/InterpreterSwitch.h
    app/Machine.cpp app/Machine.h
    app/MachineKind.h
    app/ScriptedUi.cpp app/ScriptedUi.h
    app/TextTable.cpp app/TextTable.h
    app/Ui.h
    app/Workbench.cpp app/Workbench.h
)
