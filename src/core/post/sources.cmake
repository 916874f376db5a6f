list(APPEND ZEBRIN_CORE_SOURCES
    core/post/PostInterpreter.cpp core/post/PostInterpreter.h
    core/post/PostMachine.cpp core/post/PostMachine.h
    core/post/PostTable.cpp core/post/PostTable.h
)
