#include "model/Model.h"

#include "ModelFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

namespace {

using Rgb = std::array<unsigned char, 3>;

// Draws straight into normalized device coordinates, lit by emission alone,
// so each pixel shows a material's emissive colour (times its texel).
class ModelDraw : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_GL_CONTEXT();
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glViewport(0, 0, GlContext::width(), GlContext::height());
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glDisable(GL_BLEND);
        glDisable(GL_COLOR_MATERIAL);
        glEnable(GL_LIGHTING);
        for (int i = 0; i < 8; ++i) glDisable(GL_LIGHT0 + i);
        const float dark[4] = {0, 0, 0, 1};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, dark);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        pushed = true;
    }

    void TearDown() override {
        if (!pushed) return;
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }

    // The pixel at a point given in normalized device coordinates.
    static Rgb at(float x, float y) {
        int px = static_cast<int>((x + 1) / 2 * GlContext::width());
        int py = static_cast<int>((y + 1) / 2 * GlContext::height());
        return GlContext::pixel(px, py);
    }

    static void expectColour(const Rgb& actual, int r, int g, int b, const char* where) {
        EXPECT_NEAR(actual[0], r, 10) << where;
        EXPECT_NEAR(actual[1], g, 10) << where;
        EXPECT_NEAR(actual[2], b, 10) << where;
    }

    bool pushed = false;
};

// A quad from (x0, y0) to (x1, y1) at z 0 as a mesh of two triangles; file
// texture coordinates put v 0 at the top.
std::string quad(float x0, float y0, float x1, float y1, int material, int bone = -1) {
    std::string b = " " + std::to_string(bone) + "\n";
    return "\"q\" 0 " + std::to_string(material) + "\n4\n" +
           "0 " + std::to_string(x0) + " " + std::to_string(y0) + " 0 0 1" + b +
           "0 " + std::to_string(x1) + " " + std::to_string(y0) + " 0 1 1" + b +
           "0 " + std::to_string(x1) + " " + std::to_string(y1) + " 0 1 0" + b +
           "0 " + std::to_string(x0) + " " + std::to_string(y1) + " 0 0 0" + b +
           "1\n0 0 1\n2\n0 0 1 2 0 0 0 1\n0 0 2 3 0 0 0 1\n";
}

std::string material(const char* name, float r, float g, float b, const char* texture) {
    return std::string("\"") + name + "\"\n0 0 0 1\n0 0 0 1\n0 0 0 1\n" + std::to_string(r) + " " +
           std::to_string(g) + " " + std::to_string(b) + " 1\n0\n1\n\"" + texture + "\"\n\"\"\n";
}

// Red and green along the bottom row, blue and white along the top.
std::vector<unsigned char> checker() {
    return ModelFiles::tga24(2, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
}

}  // namespace

TEST_F(ModelDraw, TexturedAndUntexturedMeshesDrawTheirPixels) {
    TempDir dir;
    dir.write("textures/check.tga", checker());
    dir.write("m.txt", "Meshes: 3\n" + quad(-0.9f, -0.5f, -0.1f, 0.5f, 1) + quad(0.1f, -0.5f, 0.9f, 0.5f, 0) +
                           quad(0.1f, 0.6f, 0.9f, 0.9f, -1) + "Materials: 2\n" +
                           material("textured", 1, 1, 1, "textures\\check.tga") +
                           material("plain", 0.2f, 0.6f, 0.4f, ""));
    Model model;
    {
        WorkingDirectory inside(dir.path());
        ASSERT_TRUE(model.load("m.txt"));
    }
    ASSERT_NE(model.material(0).texture, 0u);
    EXPECT_EQ(model.material(1).texture, 0u);

    model.draw();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    expectColour(at(-0.5f, 0), 51, 153, 102, "untextured mesh");
    expectColour(at(0.3f, -0.25f), 255, 0, 0, "bottom left texel");
    expectColour(at(0.7f, -0.25f), 0, 255, 0, "bottom right texel");
    expectColour(at(0.3f, 0.25f), 0, 0, 255, "top left texel");
    expectColour(at(0.7f, 0.25f), 255, 255, 255, "top right texel");
    // The mesh without a material keeps the textured material's white, untextured.
    expectColour(at(0.5f, 0.75f), 255, 255, 255, "mesh without material");
    expectColour(at(-0.5f, 0.75f), 0, 0, 0, "background");
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(ModelDraw, ApplySetsFrontMaterialAndTextureAndNothingElse) {
    GLuint name = 0;
    glGenTextures(1, &name);
    Material m;
    const float ambient[4] = {0.1f, 0.2f, 0.3f, 0.4f}, diffuse[4] = {0.5f, 0.6f, 0.7f, 0.8f};
    const float specular[4] = {0.9f, 0.8f, 0.7f, 0.6f}, emissive[4] = {0.05f, 0.15f, 0.25f, 1.0f};
    std::copy(ambient, ambient + 4, m.ambient);
    std::copy(diffuse, diffuse + 4, m.diffuse);
    std::copy(specular, specular + 4, m.specular);
    std::copy(emissive, emissive + 4, m.emissive);
    m.shininess = 40;
    m.texture = name;

    GLfloat back[4];
    glGetMaterialfv(GL_BACK, GL_AMBIENT, back);
    glDisable(GL_TEXTURE_2D);
    m.apply();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), name);
    struct Expected {
        GLenum which;
        const float* values;
    };
    for (const Expected& e : {Expected{GL_AMBIENT, ambient}, Expected{GL_DIFFUSE, diffuse},
                              Expected{GL_SPECULAR, specular}, Expected{GL_EMISSION, emissive}}) {
        GLfloat got[4];
        glGetMaterialfv(GL_FRONT, e.which, got);
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], e.values[i], 1e-6) << e.which << " " << i;
    }
    GLfloat shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(shininess, 40.0f);
    GLfloat backAfter[4];
    glGetMaterialfv(GL_BACK, GL_AMBIENT, backAfter);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(backAfter[i], back[i]) << "back faces untouched";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));

    // Without a texture: texturing off; an exponent GL would refuse is clamped.
    m.texture = 0;
    m.shininess = 500;
    m.apply();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(shininess, 128.0f);
    m.shininess = -3;
    m.apply();
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(shininess, 0.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteTextures(1, &name);
}

TEST_F(ModelDraw, BoundVerticesFollowTheirBoneUnboundOnesStay) {
    // The bone rests at x 0.5 and its key at the start frame moves it by -1 in x.
    TempDir dir;
    std::string bone = "Bones: 1\n\"b\"\n\"\"\n0 0.5 0 0 0 0 0\n1\n0 -1 0 0\n0\n";
    std::string text = "Frame: 0\nMeshes: 2\n" + quad(0.3f, -0.2f, 0.7f, 0.2f, 0, 0) +
                       quad(-0.2f, 0.5f, 0.2f, 0.9f, 0, -1) + "Materials: 1\n" + material("m", 1, 1, 0, "") + bone;
    Model model;
    ASSERT_TRUE(model.load(dir.write("m.txt", text).c_str()));
    model.draw();
    expectColour(at(-0.5f, 0), 255, 255, 0, "posed quad");
    expectColour(at(0.5f, 0), 0, 0, 0, "where the quad rests in the file");
    expectColour(at(0, 0.7f), 255, 255, 0, "unbound quad");
}

TEST_F(ModelDraw, DrawingFillsTheProbeInModelCoordinates) {
    TempDir dir;
    std::string ground = "Meshes: 1\n\"g\" 0 -1\n3\n0 0 1 0 0 0 -1\n0 0 3 4 0 0 -1\n0 4 1 0 0 0 -1\n1\n0 1 0\n"
                         "1\n0 0 1 2 0 0 0 1\n";
    Model model;
    ASSERT_TRUE(model.load(dir.write("g.txt", ground).c_str()));
    Vec3 points[2] = {{1, 50, 1}, {9, 0, 9}};
    ProbeResult drawn[2], measured[2];
    drawn[1] = {99, 0.75f, 0.75f};
    model.setProbe(true, points, 2);
    model.setProbeResults(measured);
    model.measureGround();
    model.setProbeResults(drawn);
    glTranslatef(5, 5, 5);
    model.draw();
    EXPECT_NEAR(drawn[0].height, 1.5f, 1e-4);
    EXPECT_EQ(drawn[0].height, measured[0].height);
    EXPECT_EQ(drawn[0].normalX, measured[0].normalX);
    EXPECT_EQ(drawn[0].normalZ, measured[0].normalZ);
    EXPECT_EQ(drawn[1].height, noGroundHeight);
    EXPECT_EQ(drawn[1].normalX, 0.75f);
}
