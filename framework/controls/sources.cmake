set(dir ${CMAKE_CURRENT_LIST_DIR})
set(controls_native ${dir}/XGTextLines.cpp ${dir}/XGScrollScale.cpp)
list(APPEND KEBO_SOURCES ${controls_native}
    ${dir}/XGMenu.cpp ${dir}/XGMenuBar.cpp
    ${dir}/XGControl.cpp ${dir}/XGButton.cpp ${dir}/XGCommandButton.cpp ${dir}/XGCheckButton.cpp
    ${dir}/XGPopControl.cpp ${dir}/XGScrollBar.cpp
    ${dir}/XGStaticText.cpp ${dir}/XGPicture.cpp ${dir}/XGIcon.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${controls_native})
list(APPEND KEBO_RC_FRAGMENTS ${dir}/controls.rc)
