#include "model/Model.h"

#include "ModelFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string material =
    "\"plain\"\n0.1 0.2 0.3 1\n0.4 0.5 0.6 0.9\n0.7 0.8 0.9 1\n0 0.02 0 1\n32\n0.5\n\"\"\n\"\"\n";
const std::string rootBone = "\"root\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n";

std::string fullModel() {
    return "// MilkShape 3D ASCII\n\nFrames: 30\nFrame: 7\n\nMeshes: 1\n\"quad\" 0 0\n4\n0 1 2 3 0.25 0.25 -1\n"
           "0 4 5 6 0.5 1 -1\n0 7 8 9 1 0 -1\n0 -1 -2 -3 0 0.5 -1\n2\n0 1 0\n0 0 1\n2\n0 0 1 2 0 0 1 1\n"
           "1 0 2 3 1 1 0 2\n\nMaterials: 1\n" + material + "\nBones: 1\n" + rootBone;
}

// A mesh header and its lists, given as the lines after the header.
std::string mesh(int material, const std::string& lists) {
    return "\"m\" 0 " + std::to_string(material) + "\n" + lists;
}

}  // namespace

TEST(ModelLoad, ReadsACompleteFileTheSameWithLfOrCrLf) {
    for (const std::string& text : {fullModel(), ModelFiles::withCrLf(fullModel())}) {
        Model model;
        ASSERT_TRUE(ModelFiles::load(model, text));
        EXPECT_FLOAT_EQ(model.getTotalFrames(), 30.0f);
        EXPECT_FLOAT_EQ(model.getCurrentFrame(), 7.0f);
        ASSERT_EQ(model.meshCount(), 1);
        EXPECT_EQ(model.meshMaterial(0), 0);
        const Vertex& v = model.mesh(0).vertices.at(0);
        EXPECT_EQ(v.position.x + 10 * v.position.y + 100 * v.position.z, 321.0f);
        EXPECT_FLOAT_EQ(v.u, 0.25f);
        EXPECT_FLOAT_EQ(v.v, 0.75f);
        EXPECT_EQ(v.boneIndex, -1);
        EXPECT_FLOAT_EQ(model.mesh(0).vertices.at(3).v, 0.5f);
        EXPECT_EQ(model.mesh(0).normals.size(), 2u);
        ASSERT_EQ(model.triangleCount(), 2);
        EXPECT_EQ(model.mesh(0).triangles[1].vertexIndices[2], 3);
        ASSERT_EQ(model.materialCount(), 1);
        const Material& m = model.material(0);
        EXPECT_STREQ(m.name, "plain");
        EXPECT_FLOAT_EQ(m.diffuse[3], 0.9f);
        EXPECT_FLOAT_EQ(m.emissive[1], 0.02f);
        EXPECT_FLOAT_EQ(m.shininess + m.transparency, 32.5f);
        EXPECT_EQ(m.texture, 0u);
        ASSERT_EQ(model.boneCount(), 1);
        EXPECT_STREQ(model.bone(0).name, "root");
    }
}

TEST(ModelLoad, TopLevelLinesAndFrames) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, "// Frames: 99\n Frames: 50\nFrames:12\nframes: 77\nGroupComments: 0\n"
                                        "Frame:\t3\n// Meshes: 1\n\n"));
    EXPECT_FLOAT_EQ(model.getTotalFrames(), 12.0f);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 3.0f);
    // A start frame past the last frame wraps to 1.
    ASSERT_TRUE(ModelFiles::load(model, "Frame: 9\nFrames: 4\n"));
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
    // The rest of a line longer than 255 characters is a line of its own.
    ASSERT_TRUE(ModelFiles::load(model, std::string(255, ' ') + "Frames: 8\n"));
    EXPECT_FLOAT_EQ(model.getTotalFrames(), 8.0f);
    ASSERT_TRUE(ModelFiles::load(model, ""));
    EXPECT_EQ(model.meshCount() + model.materialCount() + model.boneCount(), 0);
    EXPECT_FLOAT_EQ(model.getTotalFrames() + model.getCurrentFrame(), 0.0f);
}

TEST(ModelLoad, ASectionCutShortKeepsWhatWasReadAndEndsTheReading) {
    Model model;
    // The file ends inside the second mesh's triangle list.
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 3\n" + mesh(-1, "1\n0 0 0 0 0 0 -1\n1\n0 1 0\n1\n0 0 0 0 0 0 0 1\n") +
                                            mesh(-1, "3\n0 0 0 0 0 0 -1\n0 1 0 0 0 0 -1\n0 0 0 1 0 0 -1\n1\n"
                                                     "0 1 0\n3\n0 0 1 2 0 0 0 1\n0 2 1 0 0 0 0 1\n")));
    ASSERT_EQ(model.meshCount(), 2);
    EXPECT_EQ(model.mesh(1).triangles.size(), 2u);
    // Comments end a section, and nothing after it is read.
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n// note\n") + "Frames: 5\n"));
    EXPECT_EQ(model.mesh(0).vertices.size(), 1u);
    EXPECT_FLOAT_EQ(model.getTotalFrames(), 0.0f);
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 2\n\"a\" 0\n0\n0\n0\n"));
    EXPECT_EQ(model.meshCount(), 0);
    // A material cut short stays, untextured; one that was not begun is not there.
    ASSERT_TRUE(ModelFiles::load(model, "Materials: 3\n\"m\"\n1 1 1 1\n0.5 0.5\n"));
    ASSERT_EQ(model.materialCount(), 1);
    EXPECT_FLOAT_EQ(model.material(0).ambient[0] + model.material(0).diffuse[0], 1.0f);
    ASSERT_TRUE(ModelFiles::load(model, "Materials: 2\n" + material + "Bones: 2\n" + rootBone));
    EXPECT_EQ(model.materialCount(), 1);
    EXPECT_EQ(model.boneCount(), 0);
    // Texture lines must be there but may hold anything.
    std::string garbled = material;
    garbled.replace(garbled.find("\"\"\n"), 2, "no quotes");
    ASSERT_TRUE(ModelFiles::load(model, "Materials: 2\n" + garbled + "\"second\"\n"));
    EXPECT_STREQ(model.material(0).textureFile, "");
    EXPECT_STREQ(model.material(1).name, "second");
}

TEST(ModelLoad, UntrustedNumbersCountsAndIndices) {
    Model model;
    for (const char* bad : {"nan", "inf", "1e39"}) {
        ASSERT_TRUE(ModelFiles::load(model, "Meshes: 1\n" + mesh(-1, std::string("2\n0 1 1 1 0 0 -1\n0 1 ") + bad +
                                                                         " 1 0 0 -1\n")));
        EXPECT_EQ(model.mesh(0).vertices.size(), 1u) << bad;
    }
    // Huge counts reserve nothing the file doesn't hold; negative ones read nothing.
    ASSERT_TRUE(ModelFiles::load(model, "Materials: 99999999999\nMeshes: -5\nMeshes: 2147483647\n" +
                                            mesh(-1, "-2\n-1\n2147483647\n")));
    EXPECT_EQ(model.meshCount(), 1);
    EXPECT_EQ(model.materialCount(), 0);
    ASSERT_TRUE(ModelFiles::load(model, "Bones: 2000000000\n\"b\"\n\"\"\n0 0 0 0 0 0 0\n2000000000\n1 2 3 4\n"));
    EXPECT_EQ(model.bone(0).positionKeys.size(), 1u);
    // Triangles naming missing vertices or normals are dropped; other bad indices mean none.
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 2\n" +
                                            mesh(1, "3\n0 1 1 1 0 0 0\n0 2 2 2 0 0 1\n0 3 3 3 0 0 -2\n2\n0 1 0\n0 1 0\n"
                                                    "6\n0 0 1 2 0 1 0 1\n0 0 1 3 0 1 0 1\n0 -1 1 2 0 1 0 1\n"
                                                    "0 0 1 2 0 2 0 1\n0 0 1 2 0 -1 0 1\n0 2 1 0 1 0 1 1\n") +
                                            mesh(-7, "0\n0\n0\n") + "Materials: 1\n" + material +
                                            "Bones: 1\n\"b\"\n\"\"\n0 10 0 0 0 0 0\n0\n0\n"));
    const Mesh& m = model.mesh(0);
    ASSERT_EQ(m.triangles.size(), 2u);
    EXPECT_EQ(m.triangles[1].vertexIndices[0], 2);
    EXPECT_EQ(model.meshMaterial(0) + model.meshMaterial(1), -2);
    EXPECT_FLOAT_EQ(m.vertices[0].position.x, -9.0f) << "bound to the bone at x 10";
    EXPECT_EQ(m.vertices[1].boneIndex + m.vertices[2].boneIndex, -2);
    EXPECT_FLOAT_EQ(m.vertices[1].position.x, 2.0f);
}

TEST(ModelLoad, BonesLinkByNameIgnoringCaseWithLongNamesTruncated) {
    std::string longName(45, 'q');
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, "Bones: 3\n\"Child\"\n\"" + longName + "\"\n0 0 1 0 0 0 0\n0\n0\n"
                                        "\"" + longName.substr(0, 31) + "tail\"\n\"\"\n0 5 0 0 0 0 0\n0\n0\n"
                                        "\"foot\"\n\"CHILD\"\n0 0 0 1 0 0 0\n0\n0\n"));
    EXPECT_EQ(std::string(model.bone(1).name), longName.substr(0, 31));
    EXPECT_EQ(model.bone(0).parent, &model.bone(1));
    EXPECT_EQ(model.bone(1).parent, nullptr);
    EXPECT_EQ(model.bone(2).parent, &model.bone(0));
    // A missing parent fails the load; what was read stays, unbound and unposed.
    EXPECT_FALSE(ModelFiles::load(model, "Meshes: 1\n" + mesh(-1, "1\n0 4 4 4 0 0 0\n0\n0\n") +
                                             "Bones: 1\n\"b\"\n\"nobody\"\n0 1 1 1 0 0 0\n0\n0\n"));
    EXPECT_FLOAT_EQ(model.mesh(0).vertices[0].position.x, 4.0f);
    EXPECT_FLOAT_EQ(model.bone(0).finalMatrix[12], 0.0f);
}

TEST(ModelLoad, LaterSectionsReplaceEarlierOnesAndAMissingFileChangesNothing) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 2\n" + mesh(-1, "0\n0\n0\n") + mesh(-1, "0\n0\n0\n") + "Bones: 1\n" +
                                            rootBone + "Meshes: 1\n" + mesh(-1, "1\n0 3 3 3 0 0 -1\n0\n0\n") +
                                            "Bones: 0\n"));
    EXPECT_EQ(model.meshCount(), 1);
    EXPECT_EQ(model.mesh(0).vertices.size(), 1u);
    EXPECT_EQ(model.boneCount(), 0);

    TempDir dir;
    dir.write("models/m.txt", fullModel());
    EXPECT_FALSE(model.load((dir.path() + "/missing.txt").c_str()));
    EXPECT_EQ(model.meshCount(), 1);
    EXPECT_TRUE(model.load((dir.path() + "\\models\\m.txt").c_str()));
    EXPECT_EQ(model.triangleCount(), 2);
}
