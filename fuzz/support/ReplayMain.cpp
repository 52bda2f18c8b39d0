// Replays fuzz inputs (files, or every file in a folder) through a fuzz target where libFuzzer is not available;
// fails when there was nothing to replay.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files = {argv[i]};
        if (std::filesystem::is_directory(argv[i])) files.assign(std::filesystem::directory_iterator(argv[i]), {});
        for (const std::filesystem::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            count += !in.fail();  // a name that opens no file replays nothing
        }
    }
    return count > 0 ? 0 : 1;
}
