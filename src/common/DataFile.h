// DataFile: opens the game's data files by the names the game writes for them.
// Names may use '\' as the directory separator ("models\kicka.txt"); this is
// the one place that maps it to the host's '/'.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class DataFile {
public:
    // Closes the file it holds when it goes.
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    using Handle = std::unique_ptr<std::FILE, Closer>;

    // The name with every backslash turned into a slash.
    static std::string hostPath(const char* name);

    // fopen of the mapped name; null when the name is null or can't be opened.
    static std::FILE* open(const char* name, const char* mode);
};
