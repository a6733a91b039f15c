// Landing gear lever: a knob that slides between the UP and DN marks with the host's gear lever, and
// a click on the lever that asks for the other position unless the aircraft is on the ground.
//
// Inputs:  GEAR_HANDLE_POSITION (0 up .. 16384 down, element source), ON_GROUND (1.0 on ground).
// Outputs: KEY_GEAR_TOGGLE, parameter 0.
#include "tarvik/module.h"

using namespace tarvik;

// Bitmaps
constexpr int32_t BMP_BACKGROUND = 4096;  // 42 x 77
constexpr int32_t BMP_KNOB = 4352;        // 18 x 44

constexpr double KNOB_PX_PER_UNIT = 0.00201416015625;  // 33 px of travel over 16384

// Standalone variables
TokenVar on_ground{ON_GROUND};
TokenVar* const standalone[] = {&on_ground};

extern GaugeHeader gear_gauge;

// Element records
Slider lever_knob{{KIND_SLIDER, BMP_KNOB, {1, 1}, {}, {0, 0}, &gear_gauge, 0, nullptr, nullptr, 0x3},
                  /*x*/ {{0}, nullptr, 0.0}, 0,
                  /*y*/ {{GEAR_HANDLE_POSITION}, nullptr, KNOB_PX_PER_UNIT}};
Element* background_children[] = {&lever_knob, nullptr};
StaticImage background{{KIND_STATIC_IMAGE, BMP_BACKGROUND, {0, 0}, {}, {0, 0}, &gear_gauge, 0, background_children, nullptr, 0x5}};
Element* root_list[] = {&background};

// Mouse areas
int32_t gear_toggle(PixelPoint*, uint32_t) {
    if (on_ground.value.d != 1.0) trigger_key_event(KEY_GEAR_TOGGLE, 0);
    return 1;
}

MouseArea mouse_areas[] = {
    area_parent(),
    area_handler(0, 0, 21, 77, CURSOR_ACTION, CLICK, gear_toggle),
    area_end_parent(),
    area_list_end(),
};

// Lifecycle and exports
const GaugeParts gear{&gear_gauge, &background, mouse_areas, standalone, 1};
TARVIK_STANDARD_GAUGE(gear_gauge, "TARVIK_GEAR", 42, root_list, gear)
