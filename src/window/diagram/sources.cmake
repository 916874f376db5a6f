list(APPEND ZEBRIN_GUI_SOURCES
    window/diagram/DiagramCanvas.cpp window/diagram/DiagramCanvas.h
    window/diagram/DiagramExportDialog.cpp window/diagram/DiagramExportDialog.h
    window/diagram/DiagramPanel.cpp window/diagram/DiagramPanel.h
)
