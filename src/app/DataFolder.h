// DataFolder: the game reads its files relative to the working directory;
// started from anywhere else, it moves into the data installed with it.
#pragma once

class DataFolder {
public:
    // Stays where it is when the working directory holds the game's models;
    // otherwise changes to the first of PROGRAM/../share/games/quorvel (an
    // installed game) and PROGRAM/data (a build tree) that holds them.
    // Returns false when none does: the game then runs without its data.
    static bool enter();
};
