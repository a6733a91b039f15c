// Artwork of the standby airspeed indicator: the navy dial with its non-linear scale, the pointer and
// the reference marker. The marks are placed through the pointer's own table, so pointer and dial agree.
#include <cmath>
#include <string>

#include "art/recipe.h"
#include "speed_dial.h"

using namespace art;
using namespace bu_speed;

namespace {

// The pivot pixel's centre: needles turn about it.
constexpr double CX = POINTER_PIVOT.x + 0.5;
constexpr double CY = POINTER_PIVOT.y + 0.5;
constexpr double TICK_OUTER_R = 30.4;
constexpr double MAJOR_INNER_R = 27.0;
constexpr double MINOR_INNER_R = 28.4;

double direction_deg(int dx, int dy) {
    double a = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

// The angle the host gives a value through the table: each row's point seen from the pivot, the
// angles growing from row to row, linear between rows.
double dial_deg(double knots) {
    double angles[TABLE_ROWS];
    for (int i = 0; i < TABLE_ROWS; ++i) {
        double a = direction_deg(AIRSPEED_TABLE[i].x - POINTER_PIVOT.x, AIRSPEED_TABLE[i].y - POINTER_PIVOT.y);
        while (i > 0 && a <= angles[i - 1]) a += 360.0;
        angles[i] = a;
    }
    for (int i = 1; i < TABLE_ROWS; ++i)
        if (knots <= AIRSPEED_TABLE[i].value) {
            const double v0 = AIRSPEED_TABLE[i - 1].value, v1 = AIRSPEED_TABLE[i].value;
            return angles[i - 1] + (knots - v0) / (v1 - v0) * (angles[i] - angles[i - 1]);
        }
    return angles[TABLE_ROWS - 1];
}

// A one-pixel radial tick, sampled finely so that no pixel along it drops out; `across` shifts it
// sideways (a wide tick is two of them).
void tick(Canvas& c, double deg, double r0, double r1, Colour colour, double across = 0.0) {
    const double a = deg * M_PI / 180.0, ca = std::cos(a), sa = std::sin(a);
    for (double r = r0; r <= r1; r += 0.2)
        c.set(static_cast<int>(std::floor(CX + r * ca - across * sa)), static_cast<int>(std::floor(CY + r * sa + across * ca)),
              colour);
}

// A label centred on its mark's direction, pulled in until its box clears the long ticks.
void dial_label(Canvas& c, double knots, Colour colour) {
    const std::string s = std::to_string(static_cast<int>(knots));
    const double a = dial_deg(knots) * M_PI / 180.0;
    const double hw = text_width(s, 6) / 2.0, hh = text_height(6) / 2.0;
    const double r = MAJOR_INNER_R - 0.5 - (std::fabs(hw * std::cos(a)) + std::fabs(hh * std::sin(a)));
    text(c, static_cast<int>(std::lround(CX + r * std::cos(a) - hw)),
         static_cast<int>(std::lround(CY + r * std::sin(a) - hh)), s, colour, 6);
}

Canvas dial() {
    Canvas c(65, 68, BLACK);  // black corners are not drawn: the panel shows around the bezel
    c.fill_circle(POINTER_PIVOT.x, POINTER_PIVOT.y, 32, DARK_GREY);
    c.circle(POINTER_PIVOT.x, POINTER_PIVOT.y, 32, MID_GREY);
    c.fill_circle(POINTER_PIVOT.x, POINTER_PIVOT.y, 30, NAVY);

    // Ticks: 30 and 60, then every 10 knots up to 300 and every 20 above (30 to 60 spans only 12
    // degrees of the dial); long ones at 30, 60 and the numbered speeds. The numbers skip 60, whose
    // place at the top belongs to the readout window.
    const double labelled[] = {80, 120, 160, 200, 250, 300, 400};
    auto is_labelled = [&](double v) {
        for (double l : labelled)
            if (l == v) return true;
        return false;
    };
    for (double v = 30; v <= 400; v += (v < 60 ? 30 : (v < 300 ? 10 : 20))) {
        const bool major = v == 30 || v == 60 || is_labelled(v);
        tick(c, dial_deg(v), major ? MAJOR_INNER_R : MINOR_INNER_R, TICK_OUTER_R, WHITE);
        if (major) tick(c, dial_deg(v), MAJOR_INNER_R, TICK_OUTER_R, WHITE, 0.6);
    }
    for (double v : labelled) dial_label(c, v, WHITE);
    centred_text(c, 28, 49, "KNOTS", GREY, 6);

    // The framed window of the airspeed readout, and the frame of the reference readout in the corner.
    c.rect(24, 15, 17, 11, GREY);
    c.fill_rect(25, 16, 15, 9, NAVY);
    c.fill_rect(3, 0, 14, 8, DARK_GREY);
    c.fill_rect(4, 0, 12, 7, NAVY);

    // The reference knob in the lower left corner: left of it steps down, right of it steps up.
    c.fill_circle(5, 64, 4, KNOB);
    c.circle(5, 64, 4, KNOB_LIGHT);
    c.set(5, 64, MAGENTA);
    return c;
}

Canvas pointer() {
    Canvas c(32, 5, BLACK);
    c.circle(2, 2, 2, WHITE);
    c.fill_rect(4, 2, 23, 1, WHITE);
    c.fill_polygon({{25.0, 0.0}, {32.0, 2.5}, {25.0, 5.0}}, WHITE);
    return c;
}

// A wedge pointing back at the pivot, so that it rides the rim pointing at the scale.
Canvas reference_marker() {
    Canvas c(4, 5, BLACK);
    c.fill_polygon({{0.0, 2.5}, {4.0, 0.0}, {4.0, 5.0}}, MAGENTA);
    c.set(0, 2, MAGENTA);
    return c;
}

}  // namespace

art::Recipe gauge_art() {
    return {
        {4096, 65, 68, "dial: 30 to 400 knots, KNOTS, readout window, reference knob", dial},
        {8192, 32, 5, "pointer: hub ring at the pivot (2,2), arrow along +x", pointer},
        {8208, 4, 5, "reference marker: magenta chevron", reference_marker},
    };
}
