# The libraries are built without libFuzzer's coverage instrumentation, so the
# model sources are compiled into the target itself for the fuzzer to see
# their branches. The target brings its own stand-in for the material texture
# loader, so it links neither the model library nor the image library that
# holds the real loader.
file(GLOB model_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/model/*.cpp)
set_property(TARGET ${target} PROPERTY LINK_LIBRARIES "")
target_sources(${target} PRIVATE ${model_sources})
target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(${target} PRIVATE quorvel_common OpenGL::GL)
