set(lists_dir ${CMAKE_CURRENT_LIST_DIR})
set(lists_native ${lists_dir}/XGScrollLayout.cpp ${lists_dir}/XGListLayout.cpp)
list(APPEND KEBO_SOURCES ${lists_native}
    ${lists_dir}/XGScrollView.cpp ${lists_dir}/XGListControl.cpp ${lists_dir}/XGListView.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${lists_native})
