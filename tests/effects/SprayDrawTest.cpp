// The sprays in a real GL context: texture, quads, blending and the state they give back.
#include "SprayTestSupport.h"

#include "common/Random.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

#include <GL/glu.h>

#include <array>
#include <cmath>

namespace {

struct Point {
    float x, y, z;
};

// The vertices of the first two polygons GL produces while `drawing` runs,
// mapped back to object space through an orthographic box of +-2.
template <typename Draw>
std::vector<Point> firstStripVertices(Draw drawing) {
    glViewport(0, 0, 256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-2, 2, -2, 2, -2, 2);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    drawing();
    const GLint used = glRenderMode(GL_RENDER);
    std::vector<Point> points;
    int polygons = 0;
    for (GLint i = 0; i < used && polygons < 2;) {
        if (buffer[i] != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << buffer[i];
            break;
        }
        const int count = static_cast<int>(buffer[i + 1]);
        for (int v = 0; v < count; ++v) {
            const GLfloat* w = &buffer[i + 2 + 3 * v];
            // Window x, y in pixels of a 256 viewport; depth 0..1 over z from 2 to -2.
            points.push_back({w[0] / 64.0f - 2.0f, w[1] / 64.0f - 2.0f, 2.0f - 4.0f * w[2]});
        }
        i += 2 + 3 * count;
        ++polygons;
    }
    return points;
}

void expectCorners(const std::vector<Point>& drawn, const std::array<Point, 4>& corners) {
    ASSERT_EQ(drawn.size(), 6u) << "a strip of four vertices makes two triangles";
    for (const Point& c : corners) {
        bool found = false;
        for (const Point& d : drawn) {
            found = found || (std::fabs(d.x - c.x) < 2e-3f && std::fabs(d.y - c.y) < 2e-3f &&
                              std::fabs(d.z - c.z) < 2e-3f);
        }
        EXPECT_TRUE(found) << "corner (" << c.x << ", " << c.y << ", " << c.z << ") not drawn";
    }
}

// The ride spray's quad has one edge along x; the crash cloud's along y; the
// other edge runs along (splitA, splitB) over the remaining axes.
TEST(SprayDraw, QuadsLieInEachSpraysOwnPlane) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    startUpState();
    Random::setState(3);
    SlopeSpray slope(particlePicture);
    slope.draw(15.0f, false);
    const SprayParticle p = slope.particles()[0];
    const float s = 0.05f * p.size;
    expectCorners(firstStripVertices([&] { slope.draw(15.0f, true); }),
                  {{{p.x + s, p.y + s * p.splitA, p.z + s * p.splitB},
                    {p.x - s, p.y + s * p.splitA, p.z + s * p.splitB},
                    {p.x + s, p.y - s * p.splitA, p.z - s * p.splitB},
                    {p.x - s, p.y - s * p.splitA, p.z - s * p.splitB}}});

    CrashSpray crash(particlePicture);
    crash.draw(15.0f, true);
    const SprayParticle c = crash.particles()[0];
    const float t = 0.05f * c.size;
    expectCorners(firstStripVertices([&] { crash.draw(15.0f, true); }),
                  {{{c.x + t * c.splitA, c.y + t, c.z + t * c.splitB},
                    {c.x + t * c.splitA, c.y - t, c.z + t * c.splitB},
                    {c.x - t * c.splitA, c.y + t, c.z - t * c.splitB},
                    {c.x - t * c.splitA, c.y - t, c.z - t * c.splitB}}});
}

void expectStartUpStateBack(bool lighting, bool texturing) {
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(glIsEnabled(GL_LIGHTING), lighting ? GL_TRUE : GL_FALSE);
    EXPECT_EQ(glIsEnabled(GL_TEXTURE_2D), texturing ? GL_TRUE : GL_FALSE);
    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_FRONT);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_COLOR_MATERIAL_FACE, &value);
    EXPECT_EQ(value, GL_FRONT_AND_BACK);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Lighting and texturing are the caller's; everything the spray switches comes back.
TEST(SprayDraw, GivesBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    startUpState();
    SlopeSpray slope(particlePicture);
    CrashSpray crash(particlePicture);
    for (bool paused : {false, true}) {
        for (bool lit : {true, false}) {
            SCOPED_TRACE(std::string(paused ? "paused" : "running") + (lit ? ", lit" : ", unlit"));
            startUpState();
            if (!lit) {
                glDisable(GL_LIGHTING);
                glDisable(GL_TEXTURE_2D);
            }
            slope.draw(20.0f, paused);
            expectStartUpStateBack(lit, lit);
            crash.draw(20.0f, paused);
            expectStartUpStateBack(lit, lit);
        }
    }
}

// A dim grey particle over a brighter wall in front of it: additive blending
// with the depth test off can only brighten the wall; ordinary blending
// would darken it, a depth test would hide the particles.
TEST(SprayDraw, AddsLightThroughNearerGeometry) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder(51);
    ASSERT_TRUE(folder.ready());
    startUpState();
    Random::setState(9);
    CrashSpray crash(particlePicture);

    glViewport(0, 0, GlContext::width(), GlContext::height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, static_cast<double>(GlContext::width()) / GlContext::height(), 0.1, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(-1.0, 0.0, 3.0, -1.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glDisable(GL_LIGHTING);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glDisable(GL_TEXTURE_2D);
    glColor4f(0.4f, 0.4f, 0.4f, 1.0f);
    glBegin(GL_QUADS);
        glVertex3f(-4.0f, -3.0f, 1.0f);
        glVertex3f(-4.0f, 3.0f, 1.0f);
        glVertex3f(2.0f, 3.0f, 1.0f);
        glVertex3f(2.0f, -3.0f, 1.0f);
    glEnd();
    glEnable(GL_TEXTURE_2D);
    const int wall = GlContext::pixel(GlContext::width() / 8, GlContext::height() / 8)[0];
    ASSERT_NEAR(wall, 102, 2);

    crash.draw(30.0f, true);
    int brighter = 0;
    int darker = 0;
    const std::vector<unsigned char> frame = GlContext::readPixels();
    for (size_t i = 0; i < frame.size(); i += 3) {
        brighter += frame[i] > wall + 20;
        darker += frame[i] < wall - 3;
    }
    EXPECT_GT(brighter, 100);
    EXPECT_EQ(darker, 0);
    glEnable(GL_LIGHTING);
}

// One RGB level with linear filters, no mipmaps; a missing picture still
// leaves a usable (empty) texture name and a working spray.
TEST(SprayDraw, LoadsItsPictureAsOneLinearLevel) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    startUpState();
    CrashSpray crash(particlePicture);
    ASSERT_NE(crash.texture(), 0u);
    glBindTexture(GL_TEXTURE_2D, crash.texture());
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 4);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 0);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);

    SlopeSpray missing("textures\\no_such_picture.bmp");
    EXPECT_NE(missing.texture(), crash.texture());
    missing.draw(20.0f, false);
    EXPECT_EQ(missing.particles().size(), 500u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
