#include "support/CourseFiles.h"
#include "common/ProbeResult.h"
#include "common/Vec3.h"
#include "scene/Kicker.h"
#include "scene/Surround.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

namespace {

// Runs a test body with the working directory set to a data folder.
class InFolder {
public:
    explicit InFolder(const std::string& path) : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~InFolder() { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous;
};

GLint cullFaceMode() {
    GLint mode = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &mode);
    return mode;
}

}  // namespace

TEST(Kicker, MissingArrowsCostOneMessageAndTheRampStillMeasures) {
    REQUIRE_GL_CONTEXT();
    TempDir data;
    data.write("models/kicka.txt", slopedPlaneModel());
    InFolder folder(data.path());

    testing::internal::CaptureStdout();
    Kicker kicker;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't load the model\n");

    std::array<Vec3, 2> points{{{100.0f, 0.0f, 5.0f}, {400.0f, 0.0f, 0.0f}}};
    std::array<ProbeResult, 2> results{};
    kicker.setProbe(true, points.data(), 2);
    kicker.setProbeResults(results.data());
    glCullFace(GL_FRONT);
    kicker.draw();
    EXPECT_EQ(cullFaceMode(), GL_FRONT);
    EXPECT_NEAR(results[0].height, 40.0f, 1e-3f);
    EXPECT_NEAR(results[0].normalX, 0.0995f, 1e-3f);
    EXPECT_EQ(results[1].height, noGroundHeight);
}

TEST(Surround, MissingFileComplainsAndDrawsNothingWithCullingRestored) {
    REQUIRE_GL_CONTEXT();
    TempDir data;
    InFolder folder(data.path());

    testing::internal::CaptureStdout();
    Surround surround;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't load the model\n");
    glCullFace(GL_FRONT);
    surround.draw();
    EXPECT_EQ(cullFaceMode(), GL_FRONT);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
