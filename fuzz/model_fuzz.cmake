# The fuzz target brings its own stand-in for the material texture loader, so
# it links the model library's archive and what that needs, but not the image
# library that holds the real loader.
set_property(TARGET ${target} PROPERTY LINK_LIBRARIES "")
add_dependencies(${target} quorvel_model)
target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(${target} PRIVATE $<TARGET_FILE:quorvel_model> quorvel_common OpenGL::GL)
