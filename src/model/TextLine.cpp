#include "model/TextLine.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

bool isBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

const char* skipBlanks(const char* at) {
    while (*at && isBlank(*at)) ++at;
    return at;
}

// %d: optional blanks, then what strtol takes in base 10.
const char* convertInteger(const char* at, int& value) {
    char* end = nullptr;
    errno = 0;
    long parsed = std::strtol(at, &end, 10);
    if (end == at || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return nullptr;
    value = static_cast<int>(parsed);
    return end;
}

// %f: optional blanks, then what strtof takes, finite values only.
const char* convertNumber(const char* at, float& value) {
    char* end = nullptr;
    float parsed = std::strtof(at, &end);
    if (end == at || !std::isfinite(parsed)) return nullptr;
    value = parsed;
    return end;
}

// %[^"]: one or more characters up to a quote; keeps what fits the buffer.
const char* convertName(const char* at, char* name, std::size_t size) {
    std::size_t length = std::strcspn(at, "\"");
    if (length == 0) return nullptr;
    std::size_t kept = length < size - 1 ? length : size - 1;
    std::memcpy(name, at, kept);
    name[kept] = '\0';
    return at + length;
}

const char* convert(const char* at, const TextLine::Field& field) {
    if (field.integer) return convertInteger(at, *field.integer);
    if (field.number) return convertNumber(at, *field.number);
    return convertName(at, field.name, field.nameSize);
}

}  // namespace

bool TextLine::read(std::FILE* file) {
    int length = 0;
    while (length < maxLength) {
        int c = std::getc(file);
        if (c == EOF) break;
        if (c == '\r') {
            int next = std::getc(file);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                std::ungetc(next, file);
        }
        if (c == '\n') {
            buffer[length] = '\0';
            return true;
        }
        buffer[length++] = static_cast<char>(c);
    }
    buffer[length] = '\0';
    return length > 0;
}

bool TextLine::startsWith(const char* prefix) const { return std::strncmp(buffer, prefix, std::strlen(prefix)) == 0; }

int TextLine::scan(const char* format, std::initializer_list<Field> fields) const {
    const char* at = buffer;
    const Field* field = fields.begin();
    int yielded = 0;
    for (const char* f = format; *f; ++f) {
        if (isBlank(*f)) {
            at = skipBlanks(at);
        } else if (*f != '%') {
            if (*at != *f) break;
            ++at;
        } else {
            if (field == fields.end()) break;
            const char* conversion = f + 1;
            if (std::strncmp(conversion, "[^\"]", 4) == 0)
                f += 4;
            else
                ++f;
            at = convert(at, *field++);
            if (!at) break;
            ++yielded;
        }
    }
    return yielded;
}

bool TextLine::readFields(std::FILE* file, const char* format, std::initializer_list<Field> fields) {
    return read(file) && scan(format, fields) == static_cast<int>(fields.size());
}
