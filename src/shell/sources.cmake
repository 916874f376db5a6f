list(APPEND ZEBRIN_GUI_SOURCES
    shell/TMainForm.cpp shell/TMainForm.h
)
