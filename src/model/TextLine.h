// TextLine: one line of a model file and the scanf-style matching of its fields.
#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>

class TextLine {
public:
    // Where one conversion of a format stores its value: %d into an int, %f
    // into a float, %[^"] into a name buffer (truncated to fit, always ended).
    struct Field {
        Field(int& value) : integer(&value) {}
        Field(float& value) : number(&value) {}
        template <std::size_t N>
        Field(char (&buffer)[N]) : name(buffer), nameSize(N) {}

        int* integer = nullptr;
        float* number = nullptr;
        char* name = nullptr;
        std::size_t nameSize = 0;
    };

    static constexpr int maxLength = 255;
    // The format of a name in double quotes, the way the files write names.
    static constexpr const char* nameFormat = "\"%[^\"]\"";

    // Reads the next line: at most 255 characters counting its line end, so a
    // longer line reads as several; CR LF counts as one line end. The stored
    // text drops the line end. False at the end of the file.
    bool read(std::FILE* file);

    const char* text() const { return buffer; }
    bool startsWith(const char* prefix) const;

    // Matches the line from its first column against a format of blanks,
    // literal characters, %d, %f and %[^"], the way sscanf does, and returns
    // how many fields it yielded. Differs from sscanf on purpose: an integer
    // outside int's range or a number that is not finite ends the matching.
    int scan(const char* format, std::initializer_list<Field> fields) const;

    // Reads the next line and reports whether it yields every field.
    bool readFields(std::FILE* file, const char* format, std::initializer_list<Field> fields);

private:
    char buffer[maxLength + 1] = {};
};
