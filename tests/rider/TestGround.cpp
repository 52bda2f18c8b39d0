#include "TestGround.h"

#include <cmath>

TestGround TestGround::level(float height) { return TestGround().addPiece(-1e6f, 1e6f, height, height); }

TestGround TestGround::incline(float degrees) {
    float rise = static_cast<float>(std::tan(degrees * 3.14159265358979 / 180.0) * 1e6);
    return TestGround().addPiece(-1e6f, 1e6f, -rise, rise);
}

TestGround& TestGround::addPiece(float x0, float x1, float y0, float y1) {
    pieces_.push_back(Piece{x0, x1, y0, y1});
    return *this;
}

TestGround& TestGround::setHalfWidth(float halfWidth) {
    halfWidth_ = halfWidth;
    return *this;
}

void TestGround::measure(float x, float z, ProbeResult& sample) const {
    sample.height = noGroundHeight;
    if (!(std::fabs(z) <= halfWidth_)) return;
    for (const Piece& piece : pieces_) {
        if (x >= piece.x0 && x < piece.x1) {
            double gradient = (piece.y1 - piece.y0) / (piece.x1 - piece.x0);
            sample.height = static_cast<float>(piece.y0 + gradient * (x - piece.x0));
            sample.normalX = static_cast<float>(-gradient / std::sqrt(1.0 + gradient * gradient));
            sample.normalZ = 0.0f;
            return;
        }
    }
}

void TestGround::probe(Rider& rider) const {
    for (int i = 0; i < rider.pointCount(); ++i) {
        measure(rider.worldPoints()[i].x, rider.worldPoints()[i].z, rider.groundSamples()[i]);
    }
}

void TestGround::frame(Rider& rider, int framesPerSecond) const {
    rider.setFrameRate(framesPerSecond);
    probe(rider);
    rider.update();
}
