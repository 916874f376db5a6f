list(APPEND ZEBRIN_GUI_SOURCES window/resources/help.qrc window/resources/PerRatio.h
    window/resources/FailureFrame.h window/resources/BreakpointMark.h window/resources/WindowColours.cpp window/resources/WindowColours.h
    window/resources/SpokenText.cpp window/resources/SpokenText.h
    window/resources/ScreenReader.cpp window/resources/ScreenReader.h
    window/resources/AccessibleParts.h)
