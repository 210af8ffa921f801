set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_dialogs SOURCES ${dir}/DialogTextTest.cpp)
set(support ${CMAKE_CURRENT_LIST_DIR}/../controls)
kebo_wine_test(NAME test_dialogs OWN_MAIN
    SOURCES ${support}/KeboTestSupport.cpp ${support}/KeboTestMain.cpp ${dir}/DialogTest.cpp
    RC ${support}/controls_test.rc)
