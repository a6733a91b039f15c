// The speed and altitude tapes with their drums, the limit bands, the reference speed markers and the
// vertical speed pointer.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "art_parts.h"

namespace pfd_art {

using namespace art;

namespace {
std::string three_digits(int v) {
    char buf[8];
    snprintf(buf, sizeof buf, "%03d", ((v % 1000) + 1000) % 1000);
    return buf;
}
}  // namespace

Canvas open_mask(int width, int height) { return Canvas(width, height, WINDOW); }

// [SECTION] Speed tape

// 0.8 px per knot: 1060 knots on row 5.5, so that with the range 0 to 1000 over 800 px of travel the
// current speed's mark stands at the window's centre row.
namespace {
double speed_row(int knots) { return 5.5 + (1060 - knots) * 0.8; }
}

Canvas speed_tape() {
    Canvas c(22, 909, DARK_GREY);
    for (int kt = 1060; kt >= 20; kt -= 10) {
        const int y = static_cast<int>(std::floor(speed_row(kt)));
        c.fill_rect(kt % 20 == 0 ? 17 : 19, y, kt % 20 == 0 ? 5 : 3, 1, WHITE);
    }
    for (int kt = 1060; kt >= 40; kt -= 20) ink_centred_text(c, 8.5, speed_row(kt) + 0.5, three_digits(kt), WHITE, 7);
    return c;
}

Canvas speed_tape_mask() {
    Canvas c(22, 109, WINDOW);
    draw_speed_box(c, SPEED_TAPE_X, TAPE_Y);
    return c;
}

// Digits 9 (top) to 0, 8 px apart: digit d on row 7 + 8 (9 - d), which the window's row 7 shows at
// drum value 9 - d.
Canvas speed_drum() {
    Canvas c(6, 86, BLACK);
    for (int d = 0; d <= 9; ++d) ink_centred_text(c, 3, 7 + 8 * (9 - d) + 0.5, std::to_string(d), WHITE, 7);
    return c;
}

Canvas speed_drum_mask() {
    Canvas c(6, 14, BLACK);
    c.fill_rect(0, 3, 6, 9, WINDOW);
    return c;
}

// [SECTION] Limit bands and marker strips

// Red and black dashes, two red rows in five.
namespace {
void dashes(Canvas& c, int from, int to) {
    for (int y = from; y <= to; ++y)
        if ((y - from) % 5 < 2) c.fill_rect(0, y, c.width(), 1, RED);
}
}  // namespace

Canvas overspeed_band() {
    Canvas c(2, 218, BLACK);
    dashes(c, 2, 103);
    c.fill_rect(0, 104, 2, 5, YELLOW);
    return c;
}

Canvas minimum_speed_band() {
    Canvas c(2, 218, BLACK);
    c.fill_rect(0, 109, 2, 5, YELLOW);
    dashes(c, 114, 215);
    return c;
}

namespace {
struct MarkerLabel {
    const char* text;
    int row;
};

Canvas marker_strip(std::initializer_list<MarkerLabel> labels) {
    Canvas c(7, 327, BLACK);
    for (auto l : labels) micro_text(c, (7 - micro_width(l.text) + 1) / 2, l.row - 2, l.text, GREEN);
    return c;
}
}  // namespace

Canvas takeoff_markers() { return marker_strip({{"UP", 136}, {"1", 153}, {"5", 169}, {"Vr", 200}, {"V1", 218}}); }

Canvas approach_markers() {
    return marker_strip({{"UP", 136}, {"1", 153}, {"5", 169}, {"15", 186}, {"20", 194}, {"RF", 202}});
}

// [SECTION] Altitude tape

// The last three digits of the altitude: 1000 ft over 89 px of travel, 000 on rows 54 and 143.
namespace {
double altitude_row(int feet) { return 143 - feet * 89.0 / 999.0; }
}

Canvas altitude_tape() {
    Canvas c(24, 198, DARK_GREY);
    for (int ft = -700; ft <= 1700; ft += 100) {
        const int y = static_cast<int>(std::floor(altitude_row(ft) + 0.5));
        c.fill_rect(0, y, ft % 200 == 0 ? 5 : 3, 1, WHITE);
    }
    for (int ft = -600; ft <= 1600; ft += 200) ink_centred_text(c, 14.5, altitude_row(ft) + 0.5, three_digits(ft), WHITE, 7);
    return c;
}

Canvas altitude_tape_mask() {
    Canvas c(24, 109, WINDOW);
    draw_altitude_box(c, ALTITUDE_TAPE_X, TAPE_Y);
    return c;
}

// Entries every 7 px: 20, 00, 80, 60, 40, 20, 00, 80 from the top; the window's row 7 reads the entry.
Canvas altitude_drum() {
    Canvas c(11, 49, BLACK);
    const char* entries[] = {"20", "00", "80", "60", "40", "20", "00", "80"};
    for (int i = 0; i < 8; ++i) ink_centred_text(c, 5.5, 7 * i + 0.5, entries[i], WHITE, 6);
    return c;
}

Canvas altitude_drum_mask() {
    Canvas c(11, 14, BLACK);
    c.fill_rect(0, 3, 11, 9, WINDOW);
    return c;
}

Canvas ten_thousands_hatch() {
    Canvas c(8, 11, BLACK);
    for (int y = 1; y < 10; ++y)
        for (int x = 1; x < 7; ++x)
            if ((x + y) % 2 == 0) c.set(x, y, GREEN);
    return c;
}

// [SECTION] Vertical speed

// Image 14 is level; each band further reaches the mark the selected vertical speed marker uses for
// that rate (14 px at 1000 ft/min, 28 at 2000, 42 at 6000).
Canvas vertical_speed_pointer(int k) {
    constexpr double REACH_PX[] = {0, 3.5, 5.25, 7.35, 9.6, 11.9, 14, 17.5, 21, 24.5, 28, 31.5, 35, 38.5, 42};
    Canvas c(8, 86, DARK_GREY);
    const int band = k - 14;
    const double reach = (band < 0 ? -1 : 1) * REACH_PX[std::abs(band)];
    c.thick_line(8, 43.5, 0, 43.5 - reach, 1.4, WHITE);
    return c;
}

Canvas selected_vs_marker() { return Canvas(3, 3, MAGENTA); }

}  // namespace pfd_art
