#include "RiderSetup.h"

void startRide(Rider& rider) {
    rider.reset();
    rider.setFrameRate(50);
}

void startFlight(Rider& rider, const Vec3& from, float speed) {
    startRide(rider);
    RiderState& s = rider.state();
    s.airborne = true;
    s.onLip = false;
    s.speed = speed;
    s.position = s.takeOffPosition = from;
    s.takeOffTime = 0.25f;
    s.expectedAirTime = 1.0f;
    s.flyTime = 1.0f;
    rider.transformPoints();
}
