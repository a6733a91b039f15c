// The attitude sphere's texture and mask, and the heading card and its window.
#include <cmath>
#include <string>

#include "art_parts.h"

namespace pfd_art {

using namespace art;

namespace {
const Colour OLIVE = nearest(0x1E6E78);  // 0x00BBGGRR: a dark olive
constexpr double LADDER_PX_PER_DEG = 1.6;  // 16 px per 10 degrees
}  // namespace

// [SECTION] Attitude sphere

Canvas attitude_texture() {
    Canvas c(256, 256, SKY);
    c.fill_rect(0, 129, 256, 127, OLIVE);
    c.fill_rect(0, 128, 256, 1, WHITE);
    // A line every 2.5 degrees; longer at the fives, long and labelled at the tens.
    for (int step = -18; step <= 18; ++step) {
        if (step == 0) continue;
        const double deg = step * 2.5;
        const int y = 128 - static_cast<int>(std::lround(deg * LADDER_PX_PER_DEG));
        const int tenths = std::abs(step) % 4;  // 0 at the tens, 2 at the odd fives
        const int half = tenths == 0 ? 11 : (tenths == 2 ? 6 : 3);
        c.fill_rect(128 - half, y, 2 * half + 1, 1, WHITE);
        if (tenths == 0) {
            const std::string label = std::to_string(std::abs(step) / 4 * 10);
            ink_centred_text(c, 128 - half - 6.5, y + 0.5, label, WHITE, 6);
            ink_centred_text(c, 128 + half + 7.5, y + 0.5, label, WHITE, 6);
        }
    }
    return c;
}

// The window is rounded at the top along the bank scale; the frame art lies over the sphere.
Canvas attitude_mask() {
    Canvas c(71, 78, BLACK);
    const double cx = SYMBOL_X - SPHERE_MASK_X + 0.5, cy = SYMBOL_Y - SPHERE_MASK_Y + 0.5;
    for (int y = 0; y < 78; ++y)
        for (int x = 0; x < 71; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            // Above the symbol the window follows a circle just outside the scale's marks.
            if (dy > 0 || std::hypot(dx, dy) <= 40.5) c.set(x, y, WINDOW);
        }
    draw_attitude_frame(c, SPHERE_MASK_X, SPHERE_MASK_Y);
    return c;
}

// [SECTION] Heading card

// The host turns the card clockwise by the heading. So that the mark of the current heading stands
// under the fixed pointer at the top, the mark for heading h is drawn h degrees anticlockwise of the
// top, each label upright when it reaches the top.
Canvas heading_card() {
    Canvas c(256, 256, BLACK);
    const double cx = 128, cy = 128, radius = 59;
    c.fill_circle(128, 128, static_cast<int>(radius), DARK_GREY);
    c.circle(128, 128, static_cast<int>(radius), MID_GREY);
    for (int h = 0; h < 360; h += 5) {
        const double screen_deg = -90.0 - h;  // clockwise from +x
        const double inner = h % 10 == 0 ? radius - 6 : radius - 3;
        c.radial(cx, cy, inner, radius - 0.5, screen_deg, 1.0, WHITE);
    }
    for (int h = 0; h < 360; h += 30) {
        const std::string label = std::to_string(h == 0 ? 36 : h / 10);
        const double a = (-90.0 - h) * M_PI / 180.0, r = radius - 12;
        turned_text(c, cx + r * std::cos(a), cy + r * std::sin(a), -h, label, WHITE, 7);
    }
    return c;
}

Canvas heading_mask() {
    Canvas c(99, 26, WINDOW);
    draw_heading_pointer_and_mag(c, ROSE_MASK_X, ROSE_MASK_Y);
    return c;
}

}  // namespace pfd_art
