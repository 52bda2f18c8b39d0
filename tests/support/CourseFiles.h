// CourseFiles: tiny model files for scene tests, written into a temp folder.
#pragma once

#include <string>

// A plane falling toward +x (y = 50 - 0.1 x) under x -10..300, z -20..20, wound
// so its normal points up; no materials, so it needs no texture files.
std::string slopedPlaneModel();
