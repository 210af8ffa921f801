set(dir ${CMAKE_CURRENT_LIST_DIR})
set(forms_native ${dir}/XGArgStream.cpp ${dir}/XGRecordWalker.cpp ${dir}/XGAlertForms.cpp)
list(APPEND KEBO_SOURCES ${forms_native}
    ${dir}/XGForm.cpp ${dir}/XGViewFactory.cpp ${dir}/XGWindowFactory.cpp)
list(APPEND KEBO_NATIVE_SOURCES ${forms_native})

# The built-in alert forms are written in the VRES text form and compiled by
# xgvres into constant data. The call is deferred to the end of the top-level
# list file, where the library targets and the host tools' location exist.
set(KEBO_FORMS_DIR ${dir})
function(kebo_forms_alert_data)
    set(alerts ${KEBO_FORMS_DIR}/alerts)
    set(out ${CMAKE_BINARY_DIR}/forms-gen/XGAlertFormData.cpp)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/forms-gen)
    if(WIN32)
        set(tool ${KEBO_HOST_TOOLS}/xgvres)
        set(library kebo)
        set(tool_dependency kebo_host_tools)
    else()
        set(tool xgvres)
        set(library kebo_native)
        set(tool_dependency xgvres)
    endif()
    add_custom_command(OUTPUT ${out}
        COMMAND ${tool} source ${out}
            _GErrorAlertForm=${alerts}/Error.vres
            _GCautionAlertForm=${alerts}/Caution.vres
            _GWarningAlertForm=${alerts}/Warning.vres
        DEPENDS ${alerts}/Error.vres ${alerts}/Caution.vres ${alerts}/Warning.vres ${tool_dependency}
        VERBATIM)
    target_sources(${library} PRIVATE ${out})
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL kebo_forms_alert_data)
