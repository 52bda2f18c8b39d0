# The model sources are compiled into the target for the fuzzer to see their branches (the libraries have no
# coverage instrumentation); the target brings its own stand-in for the material texture loader, so it links
# neither the model library nor the image library that holds the real one.
file(GLOB model_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/model/*.cpp)
set_property(TARGET ${target} PROPERTY LINK_LIBRARIES quorvel_common OpenGL::GL)
target_sources(${target} PRIVATE ${model_sources})
