// Loads MilkShape 3D ASCII models written by other tools (kept outside the
// project) and checks them against the counts their files state.
#include "model/Model.h"

#include "ModelFiles.h"
#include "common/DataFile.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

// Meshes, triangles, materials and bones as a file states them, from a walk of the test's own;
// stand-in textures are written under the names its materials give.
std::tuple<int, int, int, int> stated(const std::filesystem::path& path, const TempDir& textures) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
    // The number on a line, after its keyword if it has one.
    auto number = [&](std::size_t at) { return std::stoi(lines.at(at).substr(lines[at].find(':') + 1)); };
    int meshes = 0, triangles = 0, materials = 0, bones = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("Meshes:", 0) == 0) {
            meshes = number(i);
            for (std::size_t m = 0, at = i + 2; m < std::size_t(meshes); ++m, at += number(at) + 2) {
                at += number(at) + 1;  // past the vertices, then the normals, to the triangle count
                at += number(at) + 1;
                triangles += number(at);
            }
        } else if (lines[i].rfind("Materials:", 0) == 0) {
            materials = number(i);
            for (int m = 0; m < materials; ++m) {
                std::string name = DataFile::hostPath(lines.at(i + 8 + 9 * m).c_str());
                if (name.size() < 3) continue;
                textures.write(name.substr(1, name.size() - 2), ModelFiles::tga24(1, 1, {9, 9, 9}));
            }
        } else if (lines[i].rfind("Bones:", 0) == 0) {
            bones = number(i);
        }
    }
    return {meshes, triangles, materials, bones};
}

}  // namespace

TEST(Corpus, ModelsFromOtherToolsLoadWithTheirStatedCounts) {
    std::filesystem::path folder = std::filesystem::path(TestPaths::source()) / ".." / "shared" / "corpus" / "models";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no shared models at " << folder;
    REQUIRE_GL_CONTEXT();
    int loaded = 0, withBones = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::canonical(folder))) {
        if (entry.path().extension() != ".txt") continue;
        SCOPED_TRACE(entry.path().filename().string());
        TempDir dir;
        auto counts = stated(entry.path(), dir);
        Model model;
        {
            WorkingDirectory inside(dir.path());
            ASSERT_TRUE(model.load(entry.path().c_str()));
        }
        EXPECT_EQ(std::make_tuple(model.meshCount(), model.triangleCount(), model.materialCount(), model.boneCount()),
                  counts);
        for (int i = 0; i < model.materialCount(); ++i)
            EXPECT_EQ(model.material(i).texture != 0, model.material(i).textureFile[0] != '\0');
        for (int b = 0; b < model.boneCount(); ++b)
            EXPECT_TRUE(std::all_of(model.bone(b).finalMatrix.data(), model.bone(b).finalMatrix.data() + 16,
                                    [](float e) { return std::isfinite(e); }));
        EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
        ++loaded;
        withBones += std::get<3>(counts) > 0;
    }
    EXPECT_GE(loaded, 9);
    EXPECT_GE(withBones, 4);
}
