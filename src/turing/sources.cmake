list(APPEND ZEBRIN_CORE_SOURCES
    turing/TuringMachine.h
)
