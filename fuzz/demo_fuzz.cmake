# The reader compiled into the target, for the fuzzer to see its branches.
target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/demo/DemoFormat.cpp)
