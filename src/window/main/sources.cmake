list(APPEND ZEBRIN_GUI_SOURCES
    window/main/Bevel.cpp window/main/Bevel.h
    window/main/ViewZoom.cpp window/main/ViewZoom.h
    window/main/Desktop.cpp window/main/Desktop.h
    window/main/ExampleMenu.cpp window/main/ExampleMenu.h
    window/main/EditHistory.cpp window/main/EditHistory.h
    window/main/CommandWiring.cpp window/main/CommandWiring.h
    window/main/ToolButton.cpp window/main/ToolButton.h
    window/main/HintDisplay.cpp window/main/HintDisplay.h
    window/main/MainWindow.cpp window/main/MainWindow.h
    window/main/MainMenu.cpp window/main/MainMenu.h
    window/main/CommandBars.cpp window/main/CommandBars.h
    window/main/StatusBarPanel.cpp window/main/StatusBarPanel.h
    window/main/MainToolBar.cpp window/main/MainToolBar.h
    window/main/ToolPictures.cpp window/main/ToolPictures.h
    window/main/ViewToggles.cpp window/main/ViewToggles.h
)
