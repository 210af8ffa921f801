# xgvres: compiles the text form of VRES trees and dumps binary trees back.
# The encoder and the text form are also compiled into the forms tests.
set(KEBO_VRES_TOOL_SOURCES
    ${KEBO_ROOT}/tools/vres/VresModel.cpp
    ${KEBO_ROOT}/tools/vres/VresSchema.cpp
    ${KEBO_ROOT}/tools/vres/VresEncoder.cpp
    ${KEBO_ROOT}/tools/vres/VresDecoder.cpp
    ${KEBO_ROOT}/tools/vres/VresText.cpp)
add_executable(xgvres ${KEBO_ROOT}/tools/vres/main.cpp ${KEBO_VRES_TOOL_SOURCES}
    ${KEBO_ROOT}/framework/forms/XGArgStream.cpp
    ${KEBO_ROOT}/framework/forms/XGRecordWalker.cpp)
target_include_directories(xgvres PRIVATE ${KEBO_ROOT}/tools/vres ${KEBO_ROOT}/framework/forms)
target_compile_options(xgvres PRIVATE -Wall -Wextra -Wno-multichar)
