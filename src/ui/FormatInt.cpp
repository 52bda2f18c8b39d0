#include "ui/FormatInt.h"

#include <cstdio>

void formatInt(char* buffer, int number) { std::snprintf(buffer, 12, "%i", number); }
