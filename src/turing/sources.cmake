list(APPEND ZEBRIN_CORE_SOURCES
    turing/TuringCommand.cpp turing/TuringCommand.h
    turing/TuringInterpreter.cpp turing/TuringInterpreter.h
    turing/TuringMachine.cpp turing/TuringMachine.h
    turing/TuringTable.cpp turing/TuringTable.h
)
