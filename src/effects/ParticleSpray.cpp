#include "effects/ParticleSpray.h"

#include "common/Random.h"
#include "image/Image.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

// One random term: the next shared random value modulo 100, as a float.
float randomPercent() { return static_cast<float>(Random::rand() % 100); }

float randomTerm(const RandomTerm& term) {
    return (randomPercent() * term.scale + term.offset + term.shift) * term.factor;
}

float randomVelocity(const RandomTerm& term, float speed) {
    return (randomPercent() * term.scale + term.offset + term.shift) * speed * term.factor;
}

float coordinate(const SprayParticle& particle, int axis) {
    return axis == axisX ? particle.x : axis == axisY ? particle.y : particle.z;
}

}  // namespace

ParticleSpray::ParticleSpray(const char* fileName, const SprayConstants& constants)
    : pool(static_cast<size_t>(std::max(constants.poolSize, 0))), image(std::make_unique<Image>()), tuning(constants) {
    loadTexture(fileName);
    for (SprayParticle& particle : pool) fill(particle);
}

ParticleSpray::~ParticleSpray() = default;

void ParticleSpray::loadTexture(const char* fileName) {
    image->load(fileName);
    glGenTextures(1, &image->texture);
    glBindTexture(GL_TEXTURE_2D, image->texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // GL reads width x height RGB pixels whatever the buffer holds.
    if (image->holds(3))
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     image->pixelData());
}

void ParticleSpray::fill(SprayParticle& particle) const {
    particle.active = true;
    particle.life = tuning.startLife;
    particle.fade = randomPercent() * 0.001f + 0.005f;
    particle.r = particle.g = particle.b = 1.0f;
    if (tuning.startsMoving) {
        particle.xi = randomTerm(tuning.startVelocity[0]);
        particle.yi = randomTerm(tuning.startVelocity[1]);
        particle.zi = randomTerm(tuning.startVelocity[2]);
    }
    particle.xg = tuning.gravityX;
    particle.yg = tuning.gravityY;
    particle.zg = tuning.gravityZ;
    particle.x = randomTerm(tuning.startX);
    particle.y = tuning.startsAtRandomHeight ? randomTerm(tuning.startY) : 0.0f;
    particle.z = randomTerm(tuning.startZ);
    particle.size = randomPercent() * 0.01f + tuning.sizeBase;
    particle.splitA = randomPercent() * 0.01f;
    particle.splitB = 1.0f - particle.splitA;
}

void ParticleSpray::draw(float speed, bool paused) {
    if (!std::isfinite(speed)) speed = 0.0f;
    glDisable(GL_CULL_FACE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDisable(GL_DEPTH_TEST);
    {
        for (SprayParticle& particle : pool) {
            if (!particle.active) continue;
            drawParticle(particle);
            if (!paused) step(particle, speed);
            if (particle.life < 0.0f) throwAgain(particle, speed, false);
            if (isBelowSnow(particle)) throwAgain(particle, speed, true);
        }
    }
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_CULL_FACE);
}

void ParticleSpray::drawParticle(const SprayParticle& particle) const {
    const float s = 0.05f * particle.size;
    glColor4f(particle.r, particle.g, particle.b, particle.life);
    glBindTexture(GL_TEXTURE_2D, image->texture);
    glBegin(GL_TRIANGLE_STRIP);
    {
        glTexCoord2d(1, 1);
        vertex(particle, s, s);
        glTexCoord2d(0, 1);
        vertex(particle, -s, s);
        glTexCoord2d(1, 0);
        vertex(particle, s, -s);
        glTexCoord2d(0, 0);
        vertex(particle, -s, -s);
    }
    glEnd();
}

// edge runs along the quad's first edge axis; across along (splitA, splitB)
// over the other in-plane axis and z.
void ParticleSpray::vertex(const SprayParticle& particle, float edge, float across) const {
    if (tuning.edgeAxis == axisX) {
        glVertex3f(particle.x + edge, particle.y + across * particle.splitA, particle.z + across * particle.splitB);
    } else {
        glVertex3f(particle.x + across * particle.splitA, particle.y + edge, particle.z + across * particle.splitB);
    }
}

void ParticleSpray::step(SprayParticle& particle, float speed) const {
    particle.x += particle.xi / tuning.slowdown;
    particle.y += particle.yi / tuning.slowdown;
    particle.z += particle.zi / tuning.slowdown;
    particle.xi += particle.xg;
    if (speed < 0.5f) particle.xi = 0.0f;
    particle.yi += particle.yg;
    particle.zi += particle.zg;
    particle.life -= particle.fade;
    particle.size += tuning.sizeGrowth;
}

void ParticleSpray::throwAgain(SprayParticle& particle, float speed, bool fromBelowSnow) const {
    if (speed > 1.0f) {
        particle.life = std::min(speed * 0.033333335f, 1.0f);
        particle.fade = randomPercent() * tuning.throwFadeScale + 0.005f;
    } else {
        particle.life = 0.0f;
        particle.fade = 1.0f;
    }
    particle.x = randomTerm(tuning.throwX);
    particle.y = 0.0f;
    particle.z = randomTerm(tuning.throwZ);
    particle.xi = randomVelocity(tuning.throwVelocity[0], speed);
    particle.yi = randomVelocity(tuning.throwVelocity[1], speed);
    particle.zi = randomVelocity(tuning.throwVelocity[2], speed);
    particle.r = particle.g = particle.b = 1.0f;
    particle.size = 1.0f;
    if (!(fromBelowSnow && tuning.snowThrowKeepsSize)) {
        particle.size = randomPercent() * 0.01f + tuning.sizeBase;
    }
    particle.splitA = randomPercent() * 0.01f;
    particle.splitB = 1.0f - particle.splitA;
}

bool ParticleSpray::isBelowSnow(const SprayParticle& particle) const {
    return coordinate(particle, tuning.snowAxis) < 0.0f;
}
