set(dir ${CMAKE_CURRENT_LIST_DIR})
kebo_native_test(NAME native_views SOURCES ${dir}/RectMathTest.cpp)
kebo_wine_test(NAME test_views
    SOURCES ${dir}/ViewsTestHost.cpp ${dir}/ViewGeometryTest.cpp ${dir}/DrawTest.cpp ${dir}/FontTest.cpp
        ${dir}/ViewWindowTest.cpp ${CMAKE_SOURCE_DIR}/tests/support/TestWin32.cpp
    RC ${dir}/views_test.rc)
