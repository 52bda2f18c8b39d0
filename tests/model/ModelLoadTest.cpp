#include "model/Model.h"

#include "ModelFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool loadText(Model& model, const std::string& text) {
    TempDir dir;
    return model.load(dir.write("m.txt", text).c_str());
}

const char* const material = R"("plain"
0.1 0.2 0.3 1
0.4 0.5 0.6 0.9
0.7 0.8 0.9 1
0.01 0.02 0.03 1
32
0.5
""
""
)";

// One mesh of two triangles over four vertices, with one material and one root bone.
std::string fullModel() {
    return std::string(R"(// MilkShape 3D ASCII

Frames: 30
Frame: 7

Meshes: 1
"quad" 0 0
4
0 1 2 3 0.25 0.25 -1
0 4 5 6 0.5 1 -1
0 7 8 9 1 0 -1
0 -1 -2 -3 0 0.5 -1
2
0 1 0
0 0 1
2
0 0 1 2 0 0 1 1
1 0 2 3 1 1 0 2

Materials: 1
)") + material + R"(
Bones: 1
"root"
""
0 0 0 0 0 0 0
0
0
)";
}

}  // namespace

TEST(ModelLoad, ReadsEveryRecordOfACompleteFile) {
    Model model;
    ASSERT_TRUE(loadText(model, fullModel()));
    EXPECT_FLOAT_EQ(model.getTotalFrames(), 30.0f);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 7.0f);
    ASSERT_EQ(model.meshCount(), 1);
    EXPECT_EQ(model.meshMaterial(0), 0);
    const Mesh& mesh = model.mesh(0);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    const Vertex& first = mesh.vertices[0];
    EXPECT_FLOAT_EQ(first.position.x, 1.0f);
    EXPECT_FLOAT_EQ(first.position.y, 2.0f);
    EXPECT_FLOAT_EQ(first.position.z, 3.0f);
    EXPECT_FLOAT_EQ(first.u, 0.25f);
    EXPECT_FLOAT_EQ(first.v, 0.75f);
    EXPECT_EQ(first.boneIndex, -1);
    EXPECT_FLOAT_EQ(mesh.vertices[1].v, 0.0f);
    EXPECT_FLOAT_EQ(mesh.vertices[3].position.z, -3.0f);
    ASSERT_EQ(mesh.normals.size(), 2u);
    EXPECT_FLOAT_EQ(mesh.normals[1].z, 1.0f);
    ASSERT_EQ(model.triangleCount(), 2);
    EXPECT_EQ(mesh.triangles[1].vertexIndices[2], 3);
    EXPECT_EQ(mesh.triangles[1].normalIndices[0], 1);

    ASSERT_EQ(model.materialCount(), 1);
    const Material& m = model.material(0);
    EXPECT_STREQ(m.name, "plain");
    EXPECT_FLOAT_EQ(m.ambient[2], 0.3f);
    EXPECT_FLOAT_EQ(m.diffuse[3], 0.9f);
    EXPECT_FLOAT_EQ(m.specular[0], 0.7f);
    EXPECT_FLOAT_EQ(m.emissive[1], 0.02f);
    EXPECT_FLOAT_EQ(m.shininess, 32.0f);
    EXPECT_FLOAT_EQ(m.transparency, 0.5f);
    EXPECT_STREQ(m.textureFile, "");
    EXPECT_EQ(m.texture, 0u);

    ASSERT_EQ(model.boneCount(), 1);
    EXPECT_STREQ(model.bone(0).name, "root");
    EXPECT_EQ(model.bone(0).parent, nullptr);

    Model crlf;
    ASSERT_TRUE(loadText(crlf, ModelFiles::withCrLf(fullModel())));
    EXPECT_EQ(crlf.meshCount(), 1);
    EXPECT_EQ(crlf.triangleCount(), 2);
    EXPECT_STREQ(crlf.material(0).name, "plain");
    EXPECT_FLOAT_EQ(crlf.mesh(0).vertices[3].v, 0.5f);
    EXPECT_STREQ(crlf.bone(0).name, "root");
    EXPECT_FLOAT_EQ(crlf.getCurrentFrame(), 7.0f);
}

TEST(ModelLoad, TopLevelKeywordsCommentsAndStrayLines) {
    Model model;
    ASSERT_TRUE(loadText(model, "// Frames: 99\n"
                                " Frames: 50\n"
                                "Frames:12\n"
                                "frames: 77\n"
                                "GroupComments: 0\n"
                                "Frame:\t3\n"
                                "// Meshes: 1\n"
                                "\n"
                                "Bones:0\n"));
    EXPECT_FLOAT_EQ(model.getTotalFrames(), 12.0f);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 3.0f);

    // "Frames:" is never a start frame; a start frame past the last frame wraps to 1.
    Model wrapped;
    ASSERT_TRUE(loadText(wrapped, "Frame: 9\nFrames: 4\n"));
    EXPECT_FLOAT_EQ(wrapped.getTotalFrames(), 4.0f);
    EXPECT_FLOAT_EQ(wrapped.getCurrentFrame(), 1.0f);

    // The rest of a line longer than 255 characters reads as a line of its own.
    Model split;
    ASSERT_TRUE(loadText(split, std::string(255, ' ') + "Frames: 8\n"));
    EXPECT_FLOAT_EQ(split.getTotalFrames(), 8.0f);

    Model empty;
    EXPECT_TRUE(loadText(empty, ""));
    EXPECT_EQ(empty.meshCount() + empty.materialCount() + empty.boneCount(), 0);
    EXPECT_FLOAT_EQ(empty.getCurrentFrame(), 0.0f);
}

TEST(ModelLoad, ASectionCutShortKeepsWhatWasReadAndStopsReading) {
    // The file ends inside the second mesh's triangle list.
    std::string cut = "Meshes: 3\n\"a\" 0 -1\n1\n0 0 0 0 0 0 -1\n1\n0 1 0\n1\n0 0 0 0 0 0 0 1\n"
                      "\"b\" 0 -1\n3\n0 0 0 0 0 0 -1\n0 1 0 0 0 0 -1\n0 0 0 1 0 0 -1\n1\n0 1 0\n"
                      "3\n0 0 1 2 0 0 0 1\n0 2 1 0 0 0 0 1\n";
    Model model;
    ASSERT_TRUE(loadText(model, cut));
    ASSERT_EQ(model.meshCount(), 2);
    EXPECT_EQ(model.mesh(0).triangles.size(), 1u);
    EXPECT_EQ(model.mesh(1).triangles.size(), 2u);

    // A comment in place of a vertex line ends the reading: later sections are not read.
    Model commented;
    ASSERT_TRUE(loadText(commented, "Meshes: 1\n\"a\" 0 -1\n2\n0 1 1 1 0 0 -1\n// note\n0 2 2 2 0 0 -1\n"
                                    "Frames: 5\n"));
    ASSERT_EQ(commented.meshCount(), 1);
    EXPECT_EQ(commented.mesh(0).vertices.size(), 1u);
    EXPECT_FLOAT_EQ(commented.getTotalFrames(), 0.0f);

    // A header with too few fields adds no mesh.
    Model shortHeader;
    ASSERT_TRUE(loadText(shortHeader, "Meshes: 2\n\"a\" 0\n0\n0\n0\n"));
    EXPECT_EQ(shortHeader.meshCount(), 0);

    // A material cut after its ambient colour is kept, untextured, with zero colours after the cut.
    Model partial;
    ASSERT_TRUE(loadText(partial, "Materials: 2\n\"m\"\n1 1 1 1\n0.5 0.5\n"));
    ASSERT_EQ(partial.materialCount(), 1);
    EXPECT_FLOAT_EQ(partial.material(0).ambient[0], 1.0f);
    EXPECT_FLOAT_EQ(partial.material(0).diffuse[0], 0.0f);
    EXPECT_EQ(partial.material(0).texture, 0u);

    // The file-name lines must be there, but may hold anything.
    Model garbledName;
    std::string garbled = std::string("Materials: 2\n") + material;
    garbled.replace(garbled.find("\"\"\n\"\""), 2, "no quotes");
    ASSERT_TRUE(loadText(garbledName, garbled + "\"second\"\n"));
    EXPECT_EQ(garbledName.materialCount(), 2);
    EXPECT_STREQ(garbledName.material(0).textureFile, "");
    EXPECT_STREQ(garbledName.material(1).name, "second");
}

TEST(ModelLoad, RejectsNonFiniteAndOutOfRangeNumbers) {
    for (const char* bad : {"nan", "inf", "1e39", "-1e40"}) {
        Model model;
        std::string text = std::string("Meshes: 1\n\"a\" 0 -1\n2\n0 1 1 1 0 0 -1\n0 1 ") + bad + " 1 0 0 -1\n";
        ASSERT_TRUE(loadText(model, text)) << bad;
        EXPECT_EQ(model.mesh(0).vertices.size(), 1u) << bad;
    }
    // A count beyond int's range doesn't match, so the line is ignored like any stray line.
    Model model;
    ASSERT_TRUE(loadText(model, "Materials: 99999999999\n\"m\"\nBones: 1\n\"b\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n"));
    EXPECT_EQ(model.materialCount(), 0);
    EXPECT_EQ(model.boneCount(), 1);
}

TEST(ModelLoad, CountsAreTrustedOnlyAsFarAsTheFileGoes) {
    // Huge counts must not reserve memory for records that aren't there.
    Model huge;
    ASSERT_TRUE(loadText(huge, "Meshes: 2147483647\n\"a\" 0 -1\n2147483647\n0 1 1 1 0 0 -1\n"));
    ASSERT_EQ(huge.meshCount(), 1);
    EXPECT_EQ(huge.mesh(0).vertices.size(), 1u);
    Model hugeBones;
    ASSERT_TRUE(loadText(hugeBones, "Bones: 2000000000\n\"b\"\n\"\"\n0 0 0 0 0 0 0\n2000000000\n1 2 3 4\n"));
    ASSERT_EQ(hugeBones.boneCount(), 1);
    EXPECT_EQ(hugeBones.bone(0).positionKeys.size(), 1u);

    // Negative counts read nothing, and the reading goes on.
    Model negative;
    ASSERT_TRUE(loadText(negative, "Meshes: -5\nMeshes: 1\n\"a\" 0 -1\n-2\n-1\n-3\nMaterials: -1\nFrames: 6\n"));
    ASSERT_EQ(negative.meshCount(), 1);
    EXPECT_TRUE(negative.mesh(0).vertices.empty());
    EXPECT_EQ(negative.materialCount(), 0);
    EXPECT_FLOAT_EQ(negative.getTotalFrames(), 6.0f);
}

TEST(ModelLoad, IgnoresEntriesWhoseIndicesPointOutside) {
    Model model;
    ASSERT_TRUE(loadText(model, std::string("Meshes: 2\n"
                                            "\"a\" 0 1\n"
                                            "3\n0 1 1 1 0 0 0\n0 2 2 2 0 0 1\n0 3 3 3 0 0 -2\n"
                                            "2\n0 1 0\n0 1 0\n"
                                            "6\n0 0 1 2 0 1 0 1\n0 0 1 3 0 1 0 1\n0 -1 1 2 0 1 0 1\n"
                                            "0 0 1 2 0 2 0 1\n0 0 1 2 0 -1 0 1\n0 2 1 0 1 0 1 1\n"
                                            "\"b\" 0 -7\n0\n0\n0\n"
                                            "Materials: 1\n") +
                                    material +
                                    "Bones: 1\n\"b\"\n\"\"\n0 10 0 0 0 0 0\n0\n0\n"));
    ASSERT_EQ(model.meshCount(), 2);
    const Mesh& mesh = model.mesh(0);
    ASSERT_EQ(mesh.triangles.size(), 2u);
    EXPECT_EQ(mesh.triangles[1].vertexIndices[0], 2);
    EXPECT_EQ(model.meshMaterial(0), -1);
    EXPECT_EQ(model.meshMaterial(1), -1);
    // Bone 0 exists: its vertex is bound (moved into the bone's space); the others are not.
    EXPECT_EQ(mesh.vertices[0].boneIndex, 0);
    EXPECT_FLOAT_EQ(mesh.vertices[0].position.x, -9.0f);
    EXPECT_EQ(mesh.vertices[1].boneIndex, -1);
    EXPECT_FLOAT_EQ(mesh.vertices[1].position.x, 2.0f);
    EXPECT_EQ(mesh.vertices[2].boneIndex, -1);
}

TEST(ModelLoad, LongNamesAreTruncated) {
    std::string longBone(45, 'q');
    std::string longParent = longBone.substr(0, 31) + "different tail";
    Model model;
    ASSERT_TRUE(loadText(model, "Meshes: 1\n\"" + std::string(60, 'm') + "\" 0 -1\n0\n0\n0\n"
                                "Bones: 2\n\"" + longBone + "\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n"
                                "\"child\"\n\"" + longParent + "\"\n0 0 0 0 0 0 0\n0\n0\n"));
    EXPECT_EQ(model.meshCount(), 1);
    EXPECT_EQ(std::string(model.bone(0).name), longBone.substr(0, 31));
    EXPECT_EQ(model.bone(1).parent, &model.bone(0));
}

TEST(ModelLoad, LinksParentsIgnoringCaseAndFailsOnAMissingOne) {
    const std::string bones = "Bones: 3\n"
                              "\"Child\"\n\"PELVIS\"\n0 0 1 0 0 0 0\n0\n0\n"
                              "\"pelvis\"\n\"\"\n0 5 0 0 0 0 0\n0\n0\n"
                              "\"foot\"\n\"child\"\n0 0 0 1 0 0 0\n0\n0\n";
    Model model;
    ASSERT_TRUE(loadText(model, bones));
    EXPECT_EQ(model.bone(0).parent, &model.bone(1));
    EXPECT_EQ(model.bone(1).parent, nullptr);
    EXPECT_EQ(model.bone(2).parent, &model.bone(0));

    // A missing parent fails the load; what was read stays, unbound and unposed.
    std::string orphan = "Meshes: 1\n\"a\" 0 -1\n1\n0 4 4 4 0 0 0\n0\n0\n"
                         "Bones: 1\n\"b\"\n\"nobody\"\n0 1 1 1 0 0 0\n0\n0\n";
    Model broken;
    EXPECT_FALSE(loadText(broken, orphan));
    ASSERT_EQ(broken.boneCount(), 1);
    EXPECT_FLOAT_EQ(broken.mesh(0).vertices[0].position.x, 4.0f);
    EXPECT_FLOAT_EQ(broken.bone(0).finalMatrix[12], 0.0f);
}

TEST(ModelLoad, ALaterSectionReplacesTheEarlierOne) {
    Model model;
    ASSERT_TRUE(loadText(model, "Meshes: 2\n\"a\" 0 -1\n0\n0\n0\n\"b\" 0 -1\n0\n0\n0\n"
                                "Bones: 1\n\"x\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n"
                                "Meshes: 1\n\"c\" 0 -1\n1\n0 3 3 3 0 0 -1\n0\n0\n"
                                "Bones: 0\n"));
    ASSERT_EQ(model.meshCount(), 1);
    EXPECT_EQ(model.mesh(0).vertices.size(), 1u);
    EXPECT_EQ(model.boneCount(), 0);
}

TEST(ModelLoad, AFileThatCannotBeOpenedChangesNothing) {
    TempDir dir;
    Model model;
    ASSERT_TRUE(model.load(dir.write("m.txt", fullModel()).c_str()));
    EXPECT_FALSE(model.load((dir.path() + "/missing.txt").c_str()));
    EXPECT_EQ(model.meshCount(), 1);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 7.0f);
    // Data names with backslashes open the same file.
    dir.write("models/m.txt", fullModel());
    Model backslashed;
    EXPECT_TRUE(backslashed.load((dir.path() + "\\models\\m.txt").c_str()));
    EXPECT_EQ(backslashed.triangleCount(), 2);
}
