list(APPEND ZEBRIN_GUI_SOURCES window/resources/help.qrc window/resources/PerRatio.h
    window/resources/FailureFrame.h window/resources/BreakpointMark.h window/resources/WindowColours.cpp window/resources/WindowColours.h)
