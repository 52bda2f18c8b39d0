# The libraries are built without libFuzzer's coverage instrumentation, so the
# reader is compiled into the target itself for the fuzzer to see its branches.
target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/src/image/PcxReader.cpp ${CMAKE_SOURCE_DIR}/src/image/PictureBytes.cpp)
