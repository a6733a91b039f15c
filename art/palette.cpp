#include "art/palette.h"

namespace art {

namespace {

constexpr uint32_t bgr(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

std::array<uint32_t, 256> build() {
    std::array<uint32_t, 256> p{};
    p[BLACK] = 0x000000;
    p[WINDOW] = 0x010101;
    p[NAVY] = 0x800000;
    p[GREY] = 0xC3C3C3;
    p[GREEN] = 0x40FF40;
    p[MAGENTA] = 0xFF00FF;
    p[CYAN] = 0xFFFF00;
    p[YELLOW] = 0x00FFFF;
    p[AMBER] = 0x0080FF;
    p[WHITE] = 0xFFFFFF;
    p[RED] = bgr(0xFF, 0x20, 0x20);
    p[DARK_GREY] = 0x515151;
    p[SHADE_GREY] = 0x5C5C5C;
    p[MID_GREY] = 0x808080;
    p[SKY] = bgr(0x20, 0x80, 0xE0);
    p[GROUND] = bgr(0x90, 0x58, 0x20);
    p[PANEL] = bgr(0x46, 0x4E, 0x56);
    p[KNOB] = bgr(0x28, 0x2A, 0x2C);
    p[KNOB_LIGHT] = bgr(0x9A, 0x9C, 0xA0);
    p[LIGHT_OFF] = bgr(0x30, 0x30, 0x28);
    for (int i = 20; i < 32; ++i) p[i] = bgr(0x10, 0x10, 0x10);
    for (int i = 0; i < 32; ++i) {
        uint32_t v = static_cast<uint32_t>(i * 255 / 31);
        p[GREY_RAMP + i] = bgr(v, v, v);
    }
    int i = CUBE;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 8; ++g)
            for (int b = 0; b < 4; ++b) p[i++] = bgr(r * 51, g * 255 / 7, b * 85);
    return p;
}

}  // namespace

const std::array<uint32_t, 256>& palette() {
    static const std::array<uint32_t, 256> p = build();
    return p;
}

Colour nearest(uint32_t c) {
    const auto& p = palette();
    int best = 0;
    long best_d = 1L << 40;
    for (int i = 0; i < 256; ++i) {
        if (i == WINDOW) continue;  // the window colour is only ever asked for by name
        long dr = red_of(c) - red_of(p[i]), dg = green_of(c) - green_of(p[i]), db = blue_of(c) - blue_of(p[i]);
        long d = dr * dr + dg * dg + db * db;
        if (d < best_d) best_d = d, best = i;
    }
    return static_cast<Colour>(best);
}

}  // namespace art
