#include "common/DataFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(DataFile, MapsBackslashesAndOpensBothSpellings) {
    EXPECT_EQ(DataFile::hostPath("models\\kicka.txt"), "models/kicka.txt");
    EXPECT_EQ(DataFile::hostPath("textures/font.tga"), "textures/font.tga");
    EXPECT_EQ(DataFile::hostPath(nullptr), "");

    TempDir dir;
    dir.write("models/a.txt", std::string("x"));
    std::string backslashed = dir.path() + "\\models\\a.txt";
    std::FILE* file = DataFile::open(backslashed.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(DataFile::open((dir.path() + "/models/missing.txt").c_str(), "rb"), nullptr);
    EXPECT_EQ(DataFile::open(nullptr, "rb"), nullptr);
}
