list(APPEND ZEBRIN_GUI_SOURCES
    window/dialogs/MessageLayout.cpp window/dialogs/MessageLayout.h
    window/dialogs/TAboutBox.cpp window/dialogs/TAboutBox.h
    window/dialogs/TButtonPanel.cpp window/dialogs/TButtonPanel.h
    window/dialogs/THelpWindow.cpp window/dialogs/THelpWindow.h
    window/dialogs/TfMessage.cpp window/dialogs/TfMessage.h
)
