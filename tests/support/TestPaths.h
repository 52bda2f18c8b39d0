// TestPaths: where test programs find the source tree and the generated data.
#pragma once

#include <string>

namespace TestPaths {
inline std::string source() { return QUORVEL_SOURCE_DIR; }
inline std::string data() { return QUORVEL_DATA_DIR; }
}  // namespace TestPaths
