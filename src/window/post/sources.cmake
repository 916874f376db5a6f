list(APPEND ZEBRIN_GUI_SOURCES
    window/post/PostCommandBox.cpp window/post/PostCommandBox.h
    window/post/PostTableDelegate.cpp window/post/PostTableDelegate.h
    window/post/PostTableView.cpp window/post/PostTableView.h
    window/post/PostTableViewModel.cpp window/post/PostTableViewModel.h
)
