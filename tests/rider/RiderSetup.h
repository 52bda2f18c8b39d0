// RiderSetup: puts a fresh rider into the situations the rider tests start from.
#pragma once

#include "rider/Rider.h"

// A reset rider at 50 steps per second.
void startRide(Rider& rider);

// A reset rider in free flight, launched level from `from` at `speed`, one second
// into the flight: past the lip and the pop window (0.25 s).
void startFlight(Rider& rider, const Vec3& from, float speed);
