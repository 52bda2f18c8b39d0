# Included by the top-level CMakeLists.txt when emscripten builds the game
# for the browser (emcmake cmake): the demo reader reports a bad line by an
# exception, which emscripten leaves out unless asked; the tests run on the
# desktop (tests/web drives this build in a browser).
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
set(QUORVEL_TESTS OFF CACHE BOOL "" FORCE)
add_subdirectory(${CMAKE_CURRENT_LIST_DIR} ${CMAKE_BINARY_DIR}/platform/web)
