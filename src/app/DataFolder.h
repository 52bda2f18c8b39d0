// DataFolder: the game reads its files relative to the working directory, so
// at start-up it moves into its data: a folder the generator wrote, known by
// the stamp file it leaves there (a stray "models" folder is not enough).
#pragma once

#include <string>

class DataFolder {
public:
    // The generator's stamp, and the first line it holds.
    static constexpr const char* stampName = "quorvel-data";
    static constexpr const char* stampLine = "quorvel-data 1";

    // Changes to the first data folder of: $QUORVEL_DATA when set (for
    // packagers and tests, and then only it), PROGRAM/../share/games/quorvel
    // (installed), PROGRAM/data (a build tree), the working directory. A
    // folder that can't be entered is passed over. False when none is found,
    // with `error` naming each folder tried.
    static bool enter(std::string& error);
};
