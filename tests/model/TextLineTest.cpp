#include "model/TextLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines linesOf(const std::string& bytes) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    Lines lines;
    TextLine line;
    while (line.read(file)) lines.push_back(line.text());
    std::fclose(file);
    return lines;
}

}  // namespace

TEST(TextLine, ReadsAt255CharactersAndCrLfAsOneLineEnd) {
    std::string fits(254, 'a'), full(255, 'b');
    for (std::string end : {"\n", "\r\n"}) {
        // A full read leaves its line end to be read as an empty line.
        EXPECT_EQ(linesOf("x y" + end + end + fits + end + full + end + "z"), (Lines{"x y", "", fits, full, "", "z"}));
    }
    EXPECT_EQ(linesOf(std::string(300, 'c')), (Lines{std::string(255, 'c'), std::string(45, 'c')}));
    EXPECT_EQ(linesOf("a\rb\n"), (Lines{"a\rb"}));
}

TEST(TextLine, NamesNeedNoClosingQuoteButAtLeastOneCharacter) {
    std::FILE* file = std::tmpfile();
    std::fputs("\"open\n\"\"\n \"x\"\n", file);
    std::rewind(file);
    TextLine line;
    char name[4] = "old";
    const int expected[] = {1, 0, 0};
    for (int count : expected) {
        ASSERT_TRUE(line.read(file));
        EXPECT_EQ(line.scan("\"%[^\"]\"", {name}), count) << line.text();
    }
    std::fclose(file);
    EXPECT_STREQ(name, "ope");
}
