set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_frames SOURCES ${dir}/WindowMenuRulesTest.cpp)
set(support ${CMAKE_CURRENT_LIST_DIR}/../controls)
kebo_wine_test(NAME test_frames OWN_MAIN
    SOURCES ${support}/KeboTestSupport.cpp ${support}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/FramesTest.cpp
    RC ${support}/controls_test.rc)
# MDI mode registers other procedures for the same classes: its own process.
kebo_wine_test(NAME test_frames_mdi OWN_MAIN
    SOURCES ${support}/KeboTestSupport.cpp ${support}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/FramesMdiTest.cpp
    RC ${support}/controls_test.rc)
# Without the framework's menu bar: the frame's construction fails.
kebo_wine_test(NAME test_frames_nomenu OWN_MAIN
    SOURCES ${support}/KeboTestSupport.cpp ${support}/KeboTestMain.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp ${dir}/FramesNoMenuTest.cpp
    RC ${dir}/frames_nomenu.rc)
