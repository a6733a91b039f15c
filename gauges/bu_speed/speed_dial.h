// The standby airspeed dial's geometry, shared by the needle records and the dial artwork so that the
// marks are drawn exactly where the tables put their values.
#pragma once

#include "tarvik/gauge.h"

namespace bu_speed {

constexpr tarvik::PixelPoint POINTER_PIVOT{32, 34};
constexpr tarvik::PixelPoint MARKER_PIVOT{32, 33};

// Each point lies on the dial at the mark of its value (knots); the 0 row is where the pointer rests
// below 30 knots.
inline constexpr tarvik::NonlinearityEntry AIRSPEED_TABLE[] = {
    {29,  2,   0.0}, {42,  4,  60.0}, {34, 64, 200.0}, {15, 59, 220.0},
    { 7, 50, 240.0}, { 3, 44, 250.0}, { 1, 31, 300.0}, { 8, 13, 400.0},
};
inline constexpr tarvik::NonlinearityEntry REFERENCE_TABLE[] = {
    {27,  0,   0.0}, {41,  1,  60.0}, {36, 67, 200.0}, {12, 61, 220.0},
    { 5, 54, 240.0}, { 2, 47, 250.0}, { 0, 32, 300.0}, { 5, 13, 400.0},
};
constexpr int32_t TABLE_ROWS = 8;

}  // namespace bu_speed
