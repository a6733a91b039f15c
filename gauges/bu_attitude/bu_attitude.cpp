// Standby attitude indicator: a sky-and-ground sphere that shifts with pitch and turns with bank
// behind a fixed bezel (bank scale and aircraft symbol), and a pointer that moves along the scale.
//
// Inputs:  PITCH_ANGLE (degrees, sphere y source), BANK_ANGLE (degrees, sphere angle and bank
//          pointer source).
// Outputs: none; no clickable area.
#include "attitude_dial.h"
#include "tarvik/module.h"

using namespace tarvik;
using namespace bu_attitude;

// Bitmaps
constexpr int32_t BMP_BACKGROUND = 4096;    // 63 x 64, black
constexpr int32_t BMP_SPHERE = 8192;        // 256 x 256: sky above row 128, ground below, pitch ladder
constexpr int32_t BMP_SPHERE_MASK = 8195;   // 63 x 64: window, bank scale and aircraft symbol
constexpr int32_t BMP_BANK_POINTER = 8208;  // 3 x 5, 24 px out from its pivot

constexpr double PITCH_LIMIT_DEG = 45.0;
constexpr double BANK_LIMIT_DEG = 60.0;

extern GaugeHeader attitude_gauge;

// Callbacks

// A reading that is no number holds the sphere and the pointer level.
double pitch_value(TokenVar* pitch) {
    const double v = pitch->value.d;
    return v == v ? clamp(v, -PITCH_LIMIT_DEG, PITCH_LIMIT_DEG) : 0.0;
}

double bank_value(TokenVar* bank) {
    const double v = bank->value.d;
    return v == v ? clamp(v, -BANK_LIMIT_DEG, BANK_LIMIT_DEG) : 0.0;
}

// Element records
const FailureEntry attitude_failures[] = {{8, 0}, {0, 0}};

Needle bank_pointer{{KIND_NEEDLE, BMP_BANK_POINTER, SPHERE_CENTRE, {}, {-24, 2}, &attitude_gauge, 0, nullptr, attitude_failures, 0x7},
                    {BANK_ANGLE}, bank_value, {}, BANK_TABLE, BANK_TABLE_ROWS, /*max degrees per update*/ 10};
Element* sphere_children[] = {&bank_pointer, nullptr};
// Pitch shifts the texture down its own turned axis, bank turns it; scale -1 turns it against the bank.
Sprite sphere{{KIND_SPRITE, BMP_SPHERE, {0, 0}, {}, SPHERE_CENTRE, &attitude_gauge, 0, sphere_children, attitude_failures, 0x5},
              /*x*/     {{0},           nullptr,     0.0},
              /*y*/     {{PITCH_ANGLE}, pitch_value, PITCH_PX_PER_DEG},
              /*angle*/ {{BANK_ANGLE},  nullptr,     -1.0},
              /*texture scale*/ 1.0f, 1.0f, /*reference point: the texture's centre*/ 0, 0};
Element* background_children[] = {&sphere, nullptr};
StaticImage background{{KIND_STATIC_IMAGE, BMP_BACKGROUND, {0, 0}, {}, {0, 0}, &attitude_gauge, 0, background_children, attitude_failures, 0x1}};
Element* root_list[] = {&background};

// Mouse areas: the framing records only
MouseArea mouse_areas[] = {
    area_parent(),
    area_end_parent(),
    area_list_end(),
};

// Lifecycle and exports
const GaugeParts attitude{&attitude_gauge, &background, mouse_areas, nullptr, 0};
TARVIK_STANDARD_GAUGE(attitude_gauge, "TARVIK_BU_ATTITUDE", 63, root_list, attitude)
