list(APPEND ZEBRIN_CORE_SOURCES
    core/turing/TuringCommand.cpp core/turing/TuringCommand.h
    core/turing/TuringInterpreter.cpp
    core/turing/TuringMachine.cpp core/turing/TuringMachine.h
    core/turing/TuringSymbols.h
    core/turing/TuringTable.cpp core/turing/TuringTable.h
)
