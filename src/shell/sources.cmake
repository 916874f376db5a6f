list(APPEND ZEBRIN_GUI_SOURCES
    shell/MessageLayout.cpp shell/MessageLayout.h
    shell/TAboutBox.cpp shell/TAboutBox.h
    shell/TButtonPanel.cpp shell/TButtonPanel.h
    shell/THelpWindow.cpp shell/THelpWindow.h
    shell/TMainForm.cpp shell/TMainForm.h
    shell/TfMessage.cpp shell/TfMessage.h
    resources/help.qrc
)
