#include "model/Model.h"
#include "model/TextLine.h"

#include "ModelFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <tuple>

using ModelFiles::load;

namespace {

const std::string material =
    "\"plain\"\n0.1 0.2 0.3 1\n0.4 0.5 0.6 0.9\n0.7 0.8 0.9 1\n0 0.02 0 1\n32\n0.5\n\"\"\n\"\"\n";
const std::string rootBone = "\"root\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n";

// A mesh header and its lists, given as the lines after the header.
std::string mesh(int material, const std::string& lists) {
    return "\"m\" 0 " + std::to_string(material) + "\n" + lists;
}

// Triangles naming missing vertices or normals, a missing material and missing bones.
const std::string badIndices = "Meshes: 2\n" +
    mesh(1, "3\n0 1 1 1 0 0 0\n0 2 2 2 0 0 1\n0 3 3 3 0 0 -2\n2\n0 1 0\n0 1 0\n6\n0 0 1 2 0 1 0 1\n0 0 1 3 0 1 0 1\n"
            "0 -1 1 2 0 1 0 1\n0 0 1 2 0 2 0 1\n0 0 1 2 0 -1 0 1\n0 2 1 0 1 0 1 1\n") +
    mesh(-7, "0\n0\n0\n") + "Materials: 1\n" + material + "Bones: 1\n\"b\"\n\"\"\n0 10 0 0 0 0 0\n0\n0\n";

// What a model holds, leaving out what is empty or zero: frames, each mesh's vertices, normals,
// triangles and material, the materials' names, and each bone's name, parent and number of keys.
std::string summary(const Model& model) {
    std::ostringstream out;
    if (model.getTotalFrames() + model.getCurrentFrame() != 0) {
        out << "frames " << model.getTotalFrames() << " at " << model.getCurrentFrame() << ";";
    }
    for (int i = 0; i < model.meshCount(); ++i) {
        const Mesh& m = model.mesh(i);
        out << " " << m.vertices.size() << "v" << m.normals.size() << "n" << m.triangles.size() << "t@"
            << model.meshMaterial(i);
    }
    for (int i = 0; i < model.materialCount(); ++i) out << " " << model.material(i).name;
    for (int i = 0; i < model.boneCount(); ++i) {
        const Bone& b = model.bone(i);
        out << " " << b.name << (b.parent ? std::string("<") + b.parent->name : "") << ":" << b.positionKeys.size()
            << "/" << b.rotationKeys.size();
    }
    return out.str();
}

// Every line TextLine reads from the bytes.
std::vector<std::string> linesOf(std::string bytes) {
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "r");
    std::vector<std::string> lines;
    for (TextLine line; line.read(file);) lines.push_back(line.text());
    std::fclose(file);
    return lines;
}

}  // namespace

TEST(TextLine, ReadsAt255CharactersCrLfAsOneLineEndAndNamesOfOneCharacterOrMore) {
    std::string fits(254, 'a'), full(255, 'b');
    for (std::string end : {"\n", "\r\n"}) {  // a full read leaves its line end to be read as an empty line
        EXPECT_EQ(linesOf("x y" + end + end + fits + end + full + end + "z"),
                  (std::vector<std::string>{"x y", "", fits, full, "", "z"}));
    }
    EXPECT_EQ(linesOf(std::string(300, 'c') + "\na\rb\n"),
              (std::vector<std::string>{std::string(255, 'c'), std::string(45, 'c'), "a\rb"}));
    // No closing quote is needed, but one character is, at the first column; names are cut to fit.
    std::string text = "\"open\n\"\"\n \"x\"\n";
    std::FILE* file = fmemopen(text.data(), text.size(), "r");
    TextLine line;
    char name[4] = "old";
    for (int yielded : {1, 0, 0}) {
        ASSERT_TRUE(line.read(file));
        EXPECT_EQ(line.scan("\"%[^\"]\"", {name}), yielded) << line.text();
    }
    std::fclose(file);
    EXPECT_STREQ(name, "ope");
}

TEST(ModelLoad, FormatCornersTheSameWithLfOrCrLf) {
    const std::string q(45, 'q'), q31(31, 'q'), oneVertex = " 1v0n0t@-1";
    std::string garbled = material;
    garbled.replace(garbled.find("\"\"\n"), 2, "no quotes");
    const struct { std::string text; bool loads; std::string holds; } cases[] = {
        // Comments, leading blanks, other case and unknown sections are passed over; keywords need no blank.
        {"// Frames: 99\n Frames: 50\nFrames:12\nframes: 77\nGroupComments: 0\nFrame:\t3\n// Meshes: 1\n\n", true,
         "frames 12 at 3;"},
        {"", true, ""},
        // Cut off in the second mesh's triangles, by a comment, in a mesh header or in a material: what was read
        // stays, a record not begun is not there, and nothing after it is read.
        {"Meshes: 3\n" + mesh(-1, "1\n0 0 0 0 0 0 -1\n1\n0 1 0\n1\n0 0 0 0 0 0 0 1\n") +
             mesh(-1, "3\n0 0 0 0 0 0 -1\n0 1 0 0 0 0 -1\n0 0 0 1 0 0 -1\n1\n0 1 0\n3\n0 0 1 2 0 0 0 1\n"
                      "0 2 1 0 0 0 0 1\n"),
         true, " 1v1n1t@-1 3v1n2t@-1"},
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n// note\n") + "Frames: 5\n", true, oneVertex},
        {"Meshes: 2\n\"a\" 0\n0\n0\n0\n", true, ""},
        {"Materials: 3\n\"m\"\n1 1 1 1\n0.5 0.5\n", true, " m"},
        {"Materials: 2\n" + material + "Bones: 2\n" + rootBone, true, " plain"},
        {"Materials: 2\n" + garbled + "\"second\"\n", true, " plain second"},  // texture lines may hold anything
        // Numbers that are not finite don't match.
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n0 1 nan 1 0 0 -1\n"), true, oneVertex},
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n0 inf 1 1 0 0 -1\n"), true, oneVertex},
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n0 1 1 1e39 0 0 -1\n"), true, oneVertex},
        // Huge counts reserve nothing the file doesn't hold; negative ones read nothing.
        {"Materials: 99999999999\nMeshes: -5\nMeshes: 2147483647\n" + mesh(-1, "-2\n-1\n2147483647\n"), true,
         " 0v0n0t@-1"},
        {"Bones: 2000000000\n\"b\"\n\"\"\n0 0 0 0 0 0 0\n2000000000\n1 2 3 4\n", true, " b:1/0"},
        {badIndices, true, " 3v2n2t@-1 0v0n0t@-1 plain b:0/0"},
        // Parents by name in any case; names cut to 31 characters; a parent no bone has fails the load.
        {"Bones: 3\n\"Child\"\n\"" + q + "\"\n0 0 1 0 0 0 0\n0\n0\n\"" + q31 + "tail\"\n\"\"\n0 5 0 0 0 0 0\n0\n0\n"
         "\"foot\"\n\"CHILD\"\n0 0 0 1 0 0 0\n0\n0\n", true, " Child<" + q31 + ":0/0 " + q31 + ":0/0 foot<Child:0/0"},
        {"Bones: 1\n\"b\"\n\"nobody\"\n0 1 1 1 0 0 0\n0\n0\n", false, " b:0/0"},
        // Later sections replace earlier ones.
        {"Meshes: 2\n" + mesh(-1, "0\n0\n0\n") + mesh(-1, "0\n0\n0\n") + "Bones: 1\n" + rootBone + "Meshes: 1\n" +
             mesh(-1, "1\n0 3 3 3 0 0 -1\n0\n0\n") + "Bones: 0\n", true, oneVertex},
    };
    for (const auto& c : cases) {
        for (const char* end : {"\n", "\r\n"}) {
            std::string text;
            for (char ch : c.text) text += ch == '\n' ? end : std::string(1, ch);
            Model model;
            EXPECT_EQ(load(model, text), c.loads) << c.holds;
            EXPECT_EQ(summary(model), c.holds) << (end[1] ? "CR LF" : "LF");
        }
    }
}

TEST(ModelLoad, ReadsTheValuesKeepsThoseOfCutOffOrBadEntriesAndSurvivesAMissingFile) {
    Model model;
    ASSERT_TRUE(load(model, "Meshes: 1\n" + mesh(0, "2\n0 1 2 3 0.25 0.25 -1\n0 4 5 6 0.5 1 -1\n2\n0 0 1\n0 1 0\n1\n") +
                                "1 1 0 1 1 0 0 2\nMaterials: 1\n" + material));
    const Vertex& v = model.mesh(0).vertices.at(0);  // v is flipped: 1 minus the file's
    EXPECT_EQ(std::make_tuple(v.position.x, v.position.y, v.position.z, v.u, v.v, model.mesh(0).vertices.at(1).v),
              std::make_tuple(1.0f, 2.0f, 3.0f, 0.25f, 0.75f, 0.0f));
    const Triangle& t = model.mesh(0).triangles.at(0);
    EXPECT_EQ(std::make_tuple(t.vertexIndices[0], t.vertexIndices[1], t.vertexIndices[2], t.normalIndices[0],
                              t.normalIndices[1], t.normalIndices[2]),
              std::make_tuple(1, 0, 1, 1, 0, 0));
    const Material& m = model.material(0);
    EXPECT_EQ(std::make_tuple(m.ambient[0], m.diffuse[3], m.specular[1], m.emissive[1], m.shininess, m.transparency,
                              m.texture),
              std::make_tuple(0.1f, 0.9f, 0.8f, 0.02f, 32.0f, 0.5f, 0u));
    // A material cut short keeps its colours.
    ASSERT_TRUE(load(model, "Materials: 3\n\"m\"\n1 1 1 1\n0.5 0.5 0.5 0.5\n0.7\n"));
    EXPECT_EQ(std::make_tuple(model.material(0).ambient[0], model.material(0).diffuse[0]), std::make_tuple(1.0f, 0.5f));
    // A vertex of a missing bone stays unbound; one bound to the bone at x 10 is moved into its space.
    ASSERT_TRUE(load(model, badIndices));
    const Mesh& bad = model.mesh(0);
    EXPECT_EQ(bad.triangles[1].vertexIndices[0], 2);
    EXPECT_EQ(std::make_tuple(bad.vertices[0].position.x, bad.vertices[1].position.x, bad.vertices[1].boneIndex,
                              bad.vertices[2].boneIndex),
              std::make_tuple(-9.0f, 2.0f, -1, -1));
    // A missing parent leaves what was read unbound and unposed; a missing file leaves the model as it was.
    EXPECT_FALSE(load(model, "Meshes: 1\n" + mesh(-1, "1\n0 4 4 4 0 0 0\n0\n0\n") +
                                 "Bones: 1\n\"b\"\n\"nobody\"\n0 1 1 1 0 0 0\n0\n0\n"));
    EXPECT_EQ(std::make_tuple(model.mesh(0).vertices[0].position.x, model.bone(0).finalMatrix[12]),
              std::make_tuple(4.0f, 0.0f));
    TempDir dir;
    EXPECT_FALSE(model.load((dir.path() + "/missing.txt").c_str()));
    EXPECT_EQ(std::make_tuple(model.meshCount(), model.boneCount()), std::make_tuple(1, 1));
    dir.write("models/m.txt", "Meshes: 2\n" + mesh(-1, "0\n0\n0\n") + mesh(-1, "0\n0\n0\n"));
    EXPECT_TRUE(model.load((dir.path() + "\\models\\m.txt").c_str())) << "a backslashed name";
    EXPECT_EQ(std::make_tuple(model.meshCount(), model.boneCount()), std::make_tuple(2, 0));
}
