list(APPEND ZEBRIN_CORE_SOURCES
    post/PostInterpreter.cpp post/PostInterpreter.h
    post/PostMachine.h
    post/PostTable.cpp post/PostTable.h
)
