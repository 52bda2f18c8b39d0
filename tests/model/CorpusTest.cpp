// Loads MilkShape 3D ASCII models written by other tools (kept outside the
// project) and checks them against the counts their files state.
#include "model/Model.h"

#include "ModelFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// What a file says about itself, read with a walk of its own.
struct Stated {
    int meshes = 0, triangles = 0, materials = 0, bones = 0;
    std::vector<std::string> textures;
};

class Lines {
public:
    explicit Lines(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    bool more() const { return next < lines.size(); }
    const std::string& take() { return lines.at(next++); }
    int number() { return std::stoi(take()); }
    void skip(int count) { next += count; }

private:
    std::vector<std::string> lines;
    size_t next = 0;
};

int countAfter(const std::string& line, const std::string& keyword) {
    return std::stoi(line.substr(keyword.size()));
}

Stated walk(const std::filesystem::path& path) {
    Stated stated;
    Lines lines(path);
    while (lines.more()) {
        const std::string line = lines.take();
        if (line.rfind("Meshes:", 0) == 0) {
            stated.meshes = countAfter(line, "Meshes:");
            for (int i = 0; i < stated.meshes; ++i) {
                lines.take();
                lines.skip(lines.number());
                lines.skip(lines.number());
                int triangles = lines.number();
                stated.triangles += triangles;
                lines.skip(triangles);
            }
        } else if (line.rfind("Materials:", 0) == 0) {
            stated.materials = countAfter(line, "Materials:");
            for (int i = 0; i < stated.materials; ++i) {
                lines.skip(7);
                std::string texture = lines.take();
                if (texture.size() > 2) stated.textures.push_back(texture.substr(1, texture.size() - 2));
                lines.skip(1);
            }
        } else if (line.rfind("Bones:", 0) == 0) {
            stated.bones = countAfter(line, "Bones:");
        }
    }
    return stated;
}

// Texture names use backslashes; a one-pixel TGA stands in for each.
void writeStandIns(const TempDir& dir, const Stated& stated) {
    for (std::string name : stated.textures) {
        for (char& c : name) {
            if (c == '\\') c = '/';
        }
        dir.write(name, ModelFiles::tga24(1, 1, {200, 200, 200}));
    }
}

bool allFinite(const Model& model) {
    for (int b = 0; b < model.boneCount(); ++b) {
        for (int i = 0; i < 16; ++i) {
            if (!std::isfinite(model.bone(b).finalMatrix[i])) return false;
        }
    }
    for (int m = 0; m < model.meshCount(); ++m) {
        for (const Vertex& v : model.mesh(m).vertices) {
            if (!std::isfinite(v.position.x) || !std::isfinite(v.position.y) || !std::isfinite(v.position.z)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(Corpus, ModelsFromOtherToolsLoadWithTheirStatedCounts) {
    const char* source = std::getenv("QUORVEL_SOURCE");
    std::filesystem::path folder = std::filesystem::path(source ? source : ".") / ".." / "shared" / "corpus" / "models";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no shared models at " << folder;
    // Loading happens from inside a temporary folder.
    folder = std::filesystem::canonical(folder);
    REQUIRE_GL_CONTEXT();

    int loaded = 0, withBones = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".txt") continue;
        SCOPED_TRACE(entry.path().filename().string());
        Stated stated = walk(entry.path());
        TempDir dir;
        writeStandIns(dir, stated);
        Model model;
        {
            WorkingDirectory inside(dir.path());
            ASSERT_TRUE(model.load(entry.path().string().c_str()));
        }
        EXPECT_EQ(model.meshCount(), stated.meshes);
        EXPECT_EQ(model.triangleCount(), stated.triangles);
        EXPECT_EQ(model.materialCount(), stated.materials);
        EXPECT_EQ(model.boneCount(), stated.bones);
        for (int i = 0; i < model.materialCount(); ++i) {
            EXPECT_EQ(model.material(i).texture != 0, model.material(i).textureFile[0] != '\0');
        }
        EXPECT_TRUE(allFinite(model));
        EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
        ++loaded;
        if (stated.bones > 0) ++withBones;
    }
    EXPECT_GE(loaded, 9);
    EXPECT_GE(withBones, 4);
}
