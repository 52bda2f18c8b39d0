// ExactMaths: the sine, cosine, arcsine and arctangent the rider, the camera and
// the bone matrices use. A recorded demo replays bit for bit only if every
// build computes the same bits, and the C libraries' own functions differ by an
// ulp here and there; these use nothing but IEEE double arithmetic and sqrt, so
// they round the same everywhere, nearly always correctly (within an ulp always).
// NaN gives NaN, as do infinite angles and arcsines outside [-1, 1].
#pragma once

namespace exact {

float sin(float radians);
float cos(float radians);
float asin(float x);
float atan(float x);

}  // namespace exact
