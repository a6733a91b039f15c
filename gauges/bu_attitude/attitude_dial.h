// The standby attitude indicator's geometry, shared by the element records and the artwork: the
// sphere's centre, the pitch scale of its texture and the bank pointer's table.
#pragma once

#include "tarvik/gauge.h"

namespace bu_attitude {

constexpr tarvik::PixelPoint SPHERE_CENTRE{31, 33};  // the texture's centre and the bank pointer's pivot
constexpr double PITCH_PX_PER_DEG = 1.15;            // 11.5 px per 10 degrees on the texture's ladder

// Each point lies on the bank scale at the mark of its bank angle (degrees).
inline constexpr tarvik::NonlinearityEntry BANK_TABLE[] = {
    { 6, 18, -60.0}, {31,  4,   0.0}, {56, 18,  60.0},
};
constexpr int32_t BANK_TABLE_ROWS = 3;

}  // namespace bu_attitude
