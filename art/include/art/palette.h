// The one 256-colour palette every bitmap of the panel shares, with names for the colours the
// artwork uses. Colours are given as Windows colour values, 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>

namespace art {

using Colour = uint8_t;  // an index into the palette

enum : Colour {
    BLACK = 0,
    WINDOW = 1,  // (1,1,1): the see-through window of a mask
    NAVY = 2,    // 0x800000, the dials' background
    GREY = 3,    // 0xC3C3C3
    GREEN = 4,   // 0x40FF40
    MAGENTA = 5, // 0xFF00FF
    CYAN = 6,    // 0xFFFF00
    YELLOW = 7,  // 0x00FFFF
    AMBER = 8,   // 0x0080FF
    WHITE = 9,
    RED = 10,
    DARK_GREY = 11,   // 0x515151, panel paint
    SHADE_GREY = 12,  // 0x5C5C5C
    MID_GREY = 13,    // 0x808080
    SKY = 14,         // attitude sky blue
    GROUND = 15,      // attitude ground brown
    PANEL = 16,       // panel face
    KNOB = 17,        // knob body
    KNOB_LIGHT = 18,  // knob highlight
    LIGHT_OFF = 19,   // an unlit annunciator lens
    GREY_RAMP = 32,   // 32 .. 63: black to white in 32 steps
    CUBE = 64,        // 64 .. 255: a 6 x 8 x 4 colour cube for everything else
};

// The palette as 0x00BBGGRR values, entry by entry.
const std::array<uint32_t, 256>& palette();

// The palette index nearest to a 0x00BBGGRR colour.
Colour nearest(uint32_t bgr);

constexpr uint8_t red_of(uint32_t bgr) { return bgr & 0xFF; }
constexpr uint8_t green_of(uint32_t bgr) { return (bgr >> 8) & 0xFF; }
constexpr uint8_t blue_of(uint32_t bgr) { return (bgr >> 16) & 0xFF; }

}  // namespace art
