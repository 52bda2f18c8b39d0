#include "model/TextLine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File fileWith(const std::string& bytes) {
    File file(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), file.get());
    std::rewind(file.get());
    return file;
}

std::vector<std::string> allLines(const std::string& bytes) {
    File file = fileWith(bytes);
    std::vector<std::string> lines;
    TextLine line;
    while (line.read(file.get())) lines.push_back(line.text());
    return lines;
}

TextLine lineOf(const std::string& text) {
    File file = fileWith(text);
    TextLine line;
    line.read(file.get());
    return line;
}

}  // namespace

TEST(TextLine, SplitsLinesAndFoldsCrLf) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(allLines("a b\n\nc"), (Lines{"a b", "", "c"}));
    EXPECT_EQ(allLines("a b\r\n\r\nc\r\n"), (Lines{"a b", "", "c"}));
    // A lone CR is an ordinary character, not a line end.
    EXPECT_EQ(allLines("a\rb\n"), (Lines{"a\rb"}));
    EXPECT_EQ(allLines("x\r"), (Lines{"x\r"}));
    EXPECT_TRUE(allLines("").empty());
}

TEST(TextLine, ReadsAtMost255CharactersCountingTheLineEnd) {
    std::string fits(254, 'a');
    std::string tooLong(255, 'b');
    using Lines = std::vector<std::string>;
    EXPECT_EQ(allLines(fits + "\nz\n"), (Lines{fits, "z"}));
    EXPECT_EQ(allLines(fits + "\r\nz\r\n"), (Lines{fits, "z"}));
    // 255 characters fill one read; the line end then reads as an empty line.
    EXPECT_EQ(allLines(tooLong + "\nz\n"), (Lines{tooLong, "", "z"}));
    EXPECT_EQ(allLines(tooLong + "\r\nz\r\n"), (Lines{tooLong, "", "z"}));
    std::string longer = std::string(300, 'c');
    EXPECT_EQ(allLines(longer + "\n"), (Lines{longer.substr(0, 255), longer.substr(255)}));
}

TEST(TextLine, MatchesLikeScanf) {
    int a = 0, b = 0;
    float f = 0.0f;
    EXPECT_EQ(lineOf("Frames: 30").scan("Frames: %d", {a}), 1);
    EXPECT_EQ(a, 30);
    EXPECT_EQ(lineOf("Frames:7 trailing words").scan("Frames: %d", {a}), 1);
    EXPECT_EQ(a, 7);
    EXPECT_EQ(lineOf("Frames:\t -12").scan("Frames: %d", {a}), 1);
    EXPECT_EQ(a, -12);
    // Literal characters are not preceded by a blank skip.
    EXPECT_EQ(lineOf(" Frames: 30").scan("Frames: %d", {a}), 0);
    EXPECT_EQ(lineOf("Frames: 30").scan("Frame: %d", {a}), 0);
    EXPECT_EQ(lineOf("frames: 30").scan("Frames: %d", {a}), 0);
    EXPECT_EQ(lineOf("3 x 4").scan("%d %d", {a, b}), 1);
    EXPECT_EQ(lineOf("  +5 -6").scan("%d %d", {a, b}), 2);
    EXPECT_EQ(a * 10 + b, 44);
    EXPECT_EQ(lineOf("2.5e1").scan("%f", {f}), 1);
    EXPECT_FLOAT_EQ(f, 25.0f);
    EXPECT_EQ(lineOf("").scan("%d", {a}), 0);
}

TEST(TextLine, RejectsNumbersOutsideTheirType) {
    int a = 1;
    float f = 1.0f;
    for (const char* text : {"nan", "inf", "-inf", "1e39", "-3.5e38", "infinity"}) {
        EXPECT_EQ(lineOf(text).scan("%f", {f}), 0) << text;
    }
    EXPECT_FLOAT_EQ(f, 1.0f);
    EXPECT_EQ(lineOf("3e38 1e-40").scan("%f %f", {f, f}), 2);
    EXPECT_EQ(lineOf("99999999999").scan("%d", {a}), 0);
    EXPECT_EQ(lineOf("-2147483649").scan("%d", {a}), 0);
    EXPECT_EQ(lineOf("2147483647").scan("%d", {a}), 1);
    EXPECT_EQ(a, 2147483647);
}

TEST(TextLine, QuotedNamesAreTruncatedNeverOverflowed) {
    char name[32] = {};
    int flags = 0, material = 0;
    EXPECT_EQ(lineOf("\"a b\" 1 2").scan("\"%[^\"]\" %d %d", {name, flags, material}), 3);
    EXPECT_STREQ(name, "a b");
    std::string longName(40, 'n');
    longName[31] = 'X';
    EXPECT_EQ(lineOf("\"" + longName + "\" 1 2").scan("\"%[^\"]\" %d %d", {name, flags, material}), 3);
    EXPECT_EQ(std::string(name), longName.substr(0, 31));
    EXPECT_EQ(material, 2);

    char small[4] = "old";
    EXPECT_EQ(lineOf("\"\"").scan("\"%[^\"]\"", {small}), 0);
    EXPECT_STREQ(small, "old");
    EXPECT_EQ(lineOf(" \"x\"").scan("\"%[^\"]\"", {small}), 0);
    // Like scanf, a missing closing quote still yields the name.
    EXPECT_EQ(lineOf("\"open").scan("\"%[^\"]\"", {small}), 1);
    EXPECT_STREQ(small, "ope");
}
