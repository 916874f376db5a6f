list(APPEND ZEBRIN_GUI_SOURCES
    window/dialogs/MessageLayout.cpp window/dialogs/MessageLayout.h
    window/dialogs/AboutDialog.cpp window/dialogs/AboutDialog.h
    window/dialogs/CaseCheckDialog.cpp window/dialogs/CaseCheckDialog.h
    window/dialogs/CaseTableModel.cpp window/dialogs/CaseTableModel.h
    window/dialogs/DialogButton.cpp window/dialogs/DialogButton.h
    window/dialogs/DocumentFileDialog.cpp window/dialogs/DocumentFileDialog.h
    window/dialogs/GrowthPanel.cpp window/dialogs/GrowthPanel.h
    window/dialogs/HelpWindow.cpp window/dialogs/HelpWindow.h
    window/dialogs/MessageDialog.cpp window/dialogs/MessageDialog.h
    window/dialogs/PaperCommands.cpp window/dialogs/PaperCommands.h
)
