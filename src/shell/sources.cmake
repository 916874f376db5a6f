list(APPEND ZEBRIN_GUI_SOURCES
    shell/MessageLayout.cpp shell/MessageLayout.h
    shell/TAboutBox.cpp shell/TAboutBox.h
    shell/TButtonPanel.cpp shell/TButtonPanel.h
    shell/THelpWindow.cpp shell/THelpWindow.h
    shell/TCommandWiring.cpp shell/TCommandWiring.h
    shell/TMainForm.cpp shell/TMainForm.h
    shell/TfMessage.cpp shell/TfMessage.h
    shell/TBevel.cpp shell/TBevel.h
    shell/TCool.cpp shell/TCool.h
    shell/THintDisplay.cpp shell/THintDisplay.h
    shell/TMainMenu.cpp shell/TMainMenu.h
    shell/TShellBars.cpp shell/TShellBars.h
    shell/TToolBar.cpp shell/TToolBar.h
    shell/TToolPictures.cpp shell/TToolPictures.h
    shell/TViewToggles.cpp shell/TViewToggles.h
    resources/help.qrc
)
