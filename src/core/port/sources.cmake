list(APPEND ZEBRIN_CORE_SOURCES
    core/port/HelpTopics.h
    core/port/MessageRequest.cpp core/port/MessageRequest.h
    core/port/ScriptedUi.cpp core/port/ScriptedUi.h
    core/port/Ui.h
)
