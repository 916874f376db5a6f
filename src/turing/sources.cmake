list(APPEND ZEBRIN_CORE_SOURCES
    turing/TuringCommand.cpp turing/TuringCommand.h
    turing/TuringInterpreter.cpp turing/TuringInterpreter.h
    turing/TuringMachine.cpp turing/TuringMachine.h
    turing/TuringTable.cpp turing/TuringTable.h
)

list(APPEND ZEBRIN_GUI_SOURCES
    turing/TuringAlphabetPanel.cpp turing/TuringAlphabetPanel.h
    turing/TuringCellDelegate.cpp turing/TuringCellDelegate.h
    turing/TuringTablePanel.cpp turing/TuringTablePanel.h
    turing/TuringTableView.cpp turing/TuringTableView.h
)
