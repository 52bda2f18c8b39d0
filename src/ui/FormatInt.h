// formatInt: the decimal text of an integer, for the frame-rate counter.
#pragma once

// Writes number as sprintf's "%i" does; buffer holds at least 12 characters,
// enough for any 32-bit int and its terminator.
void formatInt(char* buffer, int number);
