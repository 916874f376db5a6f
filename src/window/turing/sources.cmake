list(APPEND ZEBRIN_GUI_SOURCES
    window/turing/TuringAlphabetPanel.cpp window/turing/TuringAlphabetPanel.h
    window/turing/TuringCellDelegate.cpp window/turing/TuringCellDelegate.h
    window/turing/TuringTablePanel.cpp window/turing/TuringTablePanel.h
    window/turing/TuringTableView.cpp window/turing/TuringTableView.h
    window/turing/TuringTableAccessible.cpp window/turing/TuringTableAccessible.h
)
