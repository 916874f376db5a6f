list(APPEND ZEBRIN_CORE_SOURCES
    post/PostMachine.h
)
