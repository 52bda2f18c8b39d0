// Loads MilkShape 3D ASCII models written by other tools (kept outside the
// project) and checks them against the counts their files state.
#include "model/Model.h"

#include "ModelFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

// What a file says about itself, from a walk of the test's own; stand-in
// textures are written under the names its materials give.
struct Stated {
    int meshes = 0, triangles = 0, materials = 0, bones = 0;

    Stated(const std::filesystem::path& path, const TempDir& textures) {
        std::ifstream in(path, std::ios::binary);
        auto next = [&in] {
            std::string line;
            std::getline(in, line);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return line;
        };
        auto skip = [&](int count) { for (int i = 0; i < count; ++i) next(); };
        for (std::string line = next(); in; line = next()) {
            if (line.rfind("Meshes:", 0) == 0) {
                meshes = std::stoi(line.substr(7));
                for (int i = 0; i < meshes; ++i) {
                    next();
                    skip(std::stoi(next()));
                    skip(std::stoi(next()));
                    int count = std::stoi(next());
                    triangles += count;
                    skip(count);
                }
            } else if (line.rfind("Materials:", 0) == 0) {
                materials = std::stoi(line.substr(10));
                for (int i = 0; i < materials; ++i) {
                    skip(7);
                    std::string name = next();
                    for (char& c : name) c = c == '\\' ? '/' : c;
                    if (name.size() > 2) {
                        textures.write(name.substr(1, name.size() - 2), ModelFiles::tga24(1, 1, {9, 9, 9}));
                    }
                    next();
                }
            } else if (line.rfind("Bones:", 0) == 0) {
                bones = std::stoi(line.substr(6));
            }
        }
    }
};

bool finitePose(const Model& model) {
    for (int b = 0; b < model.boneCount(); ++b)
        for (int i = 0; i < 16; ++i)
            if (!std::isfinite(model.bone(b).finalMatrix[i])) return false;
    return true;
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
        Stated stated(entry.path(), dir);
        Model model;
        {
            WorkingDirectory inside(dir.path());
            ASSERT_TRUE(model.load(entry.path().c_str()));
        }
        EXPECT_EQ(model.meshCount(), stated.meshes);
        EXPECT_EQ(model.triangleCount(), stated.triangles);
        EXPECT_EQ(model.materialCount(), stated.materials);
        EXPECT_EQ(model.boneCount(), stated.bones);
        for (int i = 0; i < model.materialCount(); ++i)
            EXPECT_EQ(model.material(i).texture != 0, model.material(i).textureFile[0] != '\0');
        EXPECT_TRUE(finitePose(model));
        EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
        ++loaded;
        withBones += stated.bones > 0;
    }
    EXPECT_GE(loaded, 9);
    EXPECT_GE(withBones, 4);
}
