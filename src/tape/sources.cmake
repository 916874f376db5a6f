list(APPEND ZEBRIN_CORE_SOURCES
    tape/CarriageMoves.cpp tape/CarriageMoves.h
    tape/TapeEditing.cpp tape/TapeEditing.h
    tape/TapeScroller.cpp tape/TapeScroller.h
    tape/TapeStore.cpp tape/TapeStore.h
    tape/TapeWindow.cpp tape/TapeWindow.h
)
list(APPEND ZEBRIN_GUI_SOURCES
    tape/TapeGridWidget.cpp tape/TapeGridWidget.h
    tape/TapePanel.cpp tape/TapePanel.h
    tape/TapeRulerWidget.cpp tape/TapeRulerWidget.h
    tape/TfmAlf.cpp tape/TfmAlf.h
)
