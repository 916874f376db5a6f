list(APPEND ZEBRIN_GUI_SOURCES window/print/DocumentPages.cpp window/print/DocumentPages.h)
