// TestPaths: where test programs find the generated data.
#pragma once

#include <string>

namespace TestPaths {
inline std::string data() { return QUORVEL_DATA_DIR; }
}  // namespace TestPaths
