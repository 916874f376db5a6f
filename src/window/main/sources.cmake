list(APPEND ZEBRIN_GUI_SOURCES
    window/main/TBevel.cpp window/main/TBevel.h
    window/main/TCommandWiring.cpp window/main/TCommandWiring.h
    window/main/TCool.cpp window/main/TCool.h
    window/main/THintDisplay.cpp window/main/THintDisplay.h
    window/main/TMainForm.cpp window/main/TMainForm.h
    window/main/TMainMenu.cpp window/main/TMainMenu.h
    window/main/TShellBars.cpp window/main/TShellBars.h
    window/main/TStatusPanel.cpp window/main/TStatusPanel.h
    window/main/TToolBar.cpp window/main/TToolBar.h
    window/main/TToolPictures.cpp window/main/TToolPictures.h
    window/main/TViewToggles.cpp window/main/TViewToggles.h
)
