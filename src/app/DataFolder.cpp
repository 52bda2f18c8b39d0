#include "app/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool holdsData(const fs::path& folder) {
    std::ifstream stamp(folder / DataFolder::stampName);
    std::string line;
    return std::getline(stamp, line) && line == DataFolder::stampLine;
}

std::vector<fs::path> candidates() {
    const char* chosen = std::getenv("QUORVEL_DATA");
    if (chosen && *chosen) return {chosen};
    std::vector<fs::path> folders;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path here = program.parent_path();
        folders.push_back((here / "../share/games/quorvel").lexically_normal());
        folders.push_back(here / "data");
    }
    const fs::path here = fs::current_path(error);
    if (!error) folders.push_back(here);
    return folders;
}

}  // namespace

bool DataFolder::enter(std::string& error) {
    std::string tried;
    for (const fs::path& folder : candidates()) {
        std::error_code ignored;
        if (holdsData(folder)) {
            fs::current_path(folder, ignored);
            if (!ignored) return true;
        }
        tried += (tried.empty() ? "" : ", ") + folder.string();
    }
    error = "can't find the game's data (models and textures); looked in " + tried;
    return false;
}
