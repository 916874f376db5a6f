list(APPEND ZEBRIN_GUI_SOURCES
    window/tape/TapeGridWidget.cpp window/tape/TapeGridWidget.h
    window/tape/TapePanel.cpp window/tape/TapePanel.h
    window/tape/TapeRulerWidget.cpp window/tape/TapeRulerWidget.h
    window/tape/SymbolPopup.cpp window/tape/SymbolPopup.h
    window/tape/TapeHistoryPanel.cpp window/tape/TapeHistoryPanel.h
    window/tape/TapeAccessible.cpp window/tape/TapeAccessible.h
)
