#include "model/Model.h"

#include "ModelFiles.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>

namespace {

// Draws in normalized device coordinates lit by emission alone, so a pixel shows its material's
// emissive colour times its texel; each test starts from identity matrices and TearDown puts the
// attribute state back.
class ModelDraw : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_GL_CONTEXT();
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        pushed = true;
        for (GLenum stack : {GL_PROJECTION, GL_MODELVIEW}) glMatrixMode(stack), glLoadIdentity();
        glViewport(0, 0, GlContext::width(), GlContext::height());
        for (GLenum off : {GL_DEPTH_TEST, GL_CULL_FACE, GL_BLEND, GL_COLOR_MATERIAL}) glDisable(off);
        for (int i = 0; i < 8; ++i) glDisable(GL_LIGHT0 + i);
        glEnable(GL_LIGHTING);
        const float dark[4] = {0, 0, 0, 1};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dark);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override {
        if (pushed) glPopAttrib();
    }

    bool pushed = false;
};

void expectColour(float x, float y, int r, int g, int b) {
    auto rgb = GlContext::pixel(static_cast<int>((x + 1) / 2 * GlContext::width()),
                                static_cast<int>((y + 1) / 2 * GlContext::height()));
    EXPECT_TRUE(std::abs(rgb[0] - r) <= 10 && std::abs(rgb[1] - g) <= 10 && std::abs(rgb[2] - b) <= 10)
        << "at " << x << ", " << y << ": " << int(rgb[0]) << " " << int(rgb[1]) << " " << int(rgb[2]);
}

// A quad mesh from (x0, y0) to (x1, y1); file texture coordinates put v 0 at the top.
std::string quad(float x0, float y0, float x1, float y1, int material, int bone = -1) {
    auto corner = [&](float x, float y, int u, int v) {
        return "0 " + std::to_string(x) + " " + std::to_string(y) + " 0 " + std::to_string(u) + " " +
               std::to_string(v) + " " + std::to_string(bone) + "\n";
    };
    return "\"q\" 0 " + std::to_string(material) + "\n4\n" + corner(x0, y0, 0, 1) + corner(x1, y0, 1, 1) +
           corner(x1, y1, 1, 0) + corner(x0, y1, 0, 0) + "1\n0 0 1\n2\n0 0 1 2 0 0 0 1\n0 0 2 3 0 0 0 1\n";
}

std::string emissive(const std::string& rgb, const std::string& texture) {
    return "\"m\"\n0 0 0 1\n0 0 0 1\n0 0 0 1\n" + rgb + " 1\n0\n1\n\"" + texture + "\"\n\"\"\n";
}

}  // namespace

TEST_F(ModelDraw, MeshesDrawTexturedUntexturedAndPosedAndFillTheProbeInModelCoordinates) {
    TempDir dir;
    // Red and green along the bottom row, blue and white along the top.
    dir.write("textures/check.tga", ModelFiles::tga24(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}));
    // The bone rests at x 0.5; its key at the start frame moves it, and its quad, by -1 in x.
    // The last mesh is ground for the probe, y = 1 + z / 2, out of sight.
    const std::string ground =
        "\"g\" 0 -1\n3\n0 0 1 0 0 0 -1\n0 0 3 4 0 0 -1\n0 4 1 0 0 0 -1\n1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n";
    dir.write("m.txt", "Frame: 0\nMeshes: 5\n" + quad(-0.9f, -0.5f, -0.1f, 0.5f, 1) + quad(0.1f, -0.5f, 0.9f, 0.5f, 0) +
                           quad(0.1f, 0.6f, 0.9f, 0.9f, -1) + quad(0.3f, -0.9f, 0.7f, -0.6f, 1, 0) + ground +
                           "Materials: 2\n" + emissive("1 1 1", "textures\\check.tga") + emissive("0.2 0.6 0.4", "") +
                           "Bones: 1\n\"b\"\n\"\"\n0 0.5 0 0 0 0 0\n1\n0 -1 0 0\n0\n");
    Model model;
    {
        WorkingDirectory inside(dir.path());
        ASSERT_TRUE(model.load("m.txt"));
    }
    ASSERT_NE(model.material(0).texture, 0u);
    Vec3 points[2] = {{1, 50, 1}, {9, 0, 9}};
    ProbeResult measured[2], drawn[2] = {{-20, 0, 0}, {99, 0.25f, 0.25f}};
    model.setProbe(true, points, 2);
    model.setProbeResults(measured);
    model.measureGround();
    model.setProbeResults(drawn);
    glTranslatef(0, 0, -0.5f);  // the probe works in the model's own coordinates
    model.draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    expectColour(-0.5f, 0, 51, 153, 102);
    expectColour(0.3f, -0.25f, 255, 0, 0);
    expectColour(0.7f, -0.25f, 0, 255, 0);
    expectColour(0.3f, 0.25f, 0, 0, 255);
    expectColour(0.7f, 0.25f, 255, 255, 255);
    // Without a material: the previous colours, untextured (else the blue corner would show).
    expectColour(0.3f, 0.75f, 255, 255, 255);
    expectColour(-0.5f, 0.75f, 0, 0, 0);
    expectColour(-0.5f, -0.75f, 51, 153, 102);  // the posed quad
    expectColour(0.5f, -0.75f, 0, 0, 0);
    EXPECT_EQ(std::make_tuple(drawn[0].height, drawn[0].normalX, drawn[0].normalZ),
              std::make_tuple(measured[0].height, measured[0].normalX, measured[0].normalZ));
    EXPECT_NEAR(drawn[0].height, 1.5f, 1e-4);
    EXPECT_EQ(std::make_tuple(drawn[1].height, drawn[1].normalX), std::make_tuple(noGroundHeight, 0.25f));
}

TEST_F(ModelDraw, ApplySetsTheFrontMaterialAndTexture) {
    Material m;
    float* colours[4] = {m.ambient, m.diffuse, m.specular, m.emissive};
    for (int i = 0; i < 16; ++i) colours[i / 4][i % 4] = (i + 1) / 20.0f;
    glGenTextures(1, &m.texture);
    GLfloat backBefore[4], backAfter[4], got[4];
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, backBefore);
    m.apply();
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && static_cast<GLuint>(bound) == m.texture);
    const GLenum fields[4] = {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION};
    for (int i = 0; i < 4; ++i) {
        glGetMaterialfv(GL_FRONT, fields[i], got);
        EXPECT_TRUE(std::equal(got, got + 4, colours[i])) << i;
    }
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, backAfter);
    EXPECT_TRUE(std::equal(backBefore, backBefore + 4, backAfter)) << "back faces untouched";
    // Without a texture, texturing goes off; exponents GL would refuse are clamped.
    glDeleteTextures(1, &m.texture);
    m.texture = 0;
    for (auto [shininess, expected] : {std::pair{40.0f, 40.0f}, {500.0f, 128.0f}, {-3.0f, 0.0f}}) {
        m.shininess = shininess;
        m.apply();
        glGetMaterialfv(GL_FRONT, GL_SHININESS, got);
        EXPECT_EQ(got[0], expected);
    }
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
