list(APPEND ZEBRIN_CORE_SOURCES
    post/PostInterpreter.cpp post/PostInterpreter.h
    post/PostMachine.h
    post/PostTable.cpp post/PostTable.h
)
list(APPEND ZEBRIN_GUI_SOURCES
    post/PostCommandBox.cpp post/PostCommandBox.h
    post/PostTableDelegate.cpp post/PostTableDelegate.h
    post/PostTableView.cpp post/PostTableView.h
    post/PostTableViewModel.cpp post/PostTableViewModel.h
)
