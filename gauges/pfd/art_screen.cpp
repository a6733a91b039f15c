// The screen's fixed art, the data page and the small icons of the flight display.
#include <cmath>

#include "art_parts.h"

namespace pfd_art {

using namespace art;

// [SECTION] Fixed art shared by the background and the masks drawn over it

namespace {
// Not quite black: the background and the sphere's mask are drawn with black as their colour key, and
// the screen and the symbol must hide what lies behind them.
constexpr Colour SCREEN = GREY_RAMP + 1;
constexpr Colour SYMBOL_FILL = SCREEN;
}  // namespace

void draw_attitude_frame(Canvas& c, int ox, int oy) {
    const double cx = SYMBOL_X - ox + 0.5, cy = SYMBOL_Y - oy + 0.5;
    // Bank scale: long marks at 0, 30 and 60 degrees, short at 10, 20 and 45, outside the pointer's path.
    const struct {
        double deg, r1;
    } marks[] = {{10, 37}, {20, 37}, {30, 39}, {45, 37}, {60, 39}};
    for (auto m : marks)
        for (double side : {-1.0, 1.0}) {
            const double a = (-90 + side * m.deg) * M_PI / 180.0;
            auto at = [&](double r, double v0, double f) { return static_cast<int>(std::floor(v0 + r * f)); };
            c.line(at(35, cx, std::cos(a)), at(35, cy, std::sin(a)), at(m.r1, cx, std::cos(a)), at(m.r1, cy, std::sin(a)),
                   WHITE);
        }
    // The zero mark: a small fixed triangle pointing down at the scale.
    outlined_triangle(c, cx - 3, cy - 39.5, cx + 3, cy - 39.5, cx, cy - 35.5, WHITE, WHITE);
    // Aircraft symbol: two L-shaped wing bars and the centre square, black with a white outline.
    for (int side : {-1, 1}) {
        const int inner = static_cast<int>(cx) + side * 9, outer = static_cast<int>(cx) + side * 22;
        const int x0 = std::min(inner, outer), w = std::abs(outer - inner) + 1;
        const int y = static_cast<int>(cy) - 1;
        c.fill_rect(x0, y, w, 3, SYMBOL_FILL);
        c.rect(x0, y, w, 3, WHITE);
        // The bar's inner end turns down.
        const int leg_x = side < 0 ? x0 + w - 3 : x0;
        c.fill_rect(leg_x, y, 3, 7, SYMBOL_FILL);
        c.rect(leg_x, y, 3, 7, WHITE);
        c.fill_rect(leg_x + 1, y + 1, 1, 1, SYMBOL_FILL);
    }
    c.fill_rect(static_cast<int>(cx) - 1, static_cast<int>(cy) - 1, 3, 3, WHITE);
    c.set(static_cast<int>(cx), static_cast<int>(cy), SYMBOL_FILL);
}

namespace {
void draw_box(Canvas& c, int x0, int x1, int ox, int oy) {
    c.fill_rect(x0 - ox, BOX_Y0 - oy, x1 - x0 + 1, BOX_Y1 - BOX_Y0 + 1, BLACK);
    c.rect(x0 - ox, BOX_Y0 - oy, x1 - x0 + 1, BOX_Y1 - BOX_Y0 + 1, WHITE);
}
}  // namespace

void draw_speed_box(Canvas& c, int ox, int oy) {
    draw_box(c, SPEED_BOX_X0, SPEED_BOX_X1, ox, oy);
    // A notch pointing at the tape's reading.
    outlined_triangle(c, SPEED_BOX_X1 - ox + 0.5, SYMBOL_Y - oy - 3, SPEED_BOX_X1 - ox + 0.5, SYMBOL_Y - oy + 4,
                      SPEED_BOX_X1 - ox + 3.5, SYMBOL_Y - oy + 0.5, BLACK, WHITE);
}

void draw_altitude_box(Canvas& c, int ox, int oy) {
    draw_box(c, ALTITUDE_BOX_X0, ALTITUDE_BOX_X1, ox, oy);
    outlined_triangle(c, ALTITUDE_BOX_X0 - ox + 0.5, SYMBOL_Y - oy - 3, ALTITUDE_BOX_X0 - ox + 0.5,
                      SYMBOL_Y - oy + 4, ALTITUDE_BOX_X0 - ox - 2.5, SYMBOL_Y - oy + 0.5, BLACK, WHITE);
}

void draw_heading_pointer_and_mag(Canvas& c, int ox, int oy) {
    // The fixed pointer, a white triangle standing on the card's top edge.
    outlined_triangle(c, SYMBOL_X - ox - 3.0, 131 - oy, SYMBOL_X - ox + 4.0, 131 - oy, SYMBOL_X - ox + 0.5,
                      137.5 - oy, WHITE, WHITE);
    // MAG beside the heading readout, inside the card's ring of labels.
    text(c, 61 - ox, 154 - oy, "MAG", GREEN, 6);
}

// [SECTION] Background and data page

Canvas background() {
    Canvas c(156, 163, SCREEN);
    // Flight mode annunciation window: three fields across the top.
    for (int x : {53, 88}) c.fill_rect(x, 5, 1, 14, MID_GREY);
    draw_attitude_frame(c, 0, 0);
    draw_speed_box(c, 0, 0);
    draw_altitude_box(c, 0, 0);
    // Vertical speed scale: a grey field with marks at 1, 2 and 6 thousand ft/min either side of level.
    c.fill_polygon({{137, 40}, {143, 36}, {156, 36}, {156, 122}, {143, 122}, {137, 118}}, DARK_GREY);
    c.fill_rect(139, SYMBOL_Y, 8, 1, WHITE);
    const struct {
        int dy;
        const char* label;
    } vs_marks[] = {{14, "1"}, {28, "2"}, {42, "6"}};
    for (auto m : vs_marks)
        for (int side : {-1, 1}) {
            const int y = SYMBOL_Y + side * m.dy;
            c.fill_rect(142, y, 5, 1, WHITE);
            ink_centred_text(c, 139.5, y + 0.5, m.label, WHITE, 6);
        }
    draw_heading_pointer_and_mag(c, 0, 0);
    return c;
}

Canvas data_page() {
    Canvas c(92, 65, NAVY);
    c.rect(0, 0, 92, 65, MID_GREY);
    centred_text(c, 46, 4, "DATA", WHITE, 6);
    // Labels over value lines; the readouts print in the blank before each unit.
    const struct {
        int x, label_y, value_y;
        const char* label;
        const char* unit;
    } lines[] = {
        {6, 8, 15, "GR WT", "klb"},  {6, 22, 29, "FUEL", "klb SENSED"}, {6, 37, 44, "ZFW", "klb"},
        {70, 9, 16, "Vr", "kt"},     {70, 36, 43, "VREF", "kt"},
    };
    for (auto l : lines) {
        text(c, l.x, l.label_y, l.label, GREY, 6);
        text(c, l.x + 14, l.value_y + 1, l.unit, GREEN, 6);
    }
    // The zero fuel weight is set here: small arrowheads either side of its value.
    outlined_triangle(c, 1.5, 48.5, 4.5, 45.5, 4.5, 51.5, WHITE, WHITE);
    outlined_triangle(c, 88.5, 48.5, 85.5, 45.5, 85.5, 51.5, WHITE, WHITE);
    outlined_triangle(c, 3.5, 60, 7.5, 56, 7.5, 64, WHITE, WHITE);
    text(c, 10, 57, "INDEX", WHITE, 6);
    // Arming prompts lie right of the page, beside the Vr and VREF lines.
    text(c, 84, 17, ">", WHITE, 6);
    text(c, 84, 44, ">", WHITE, 6);
    return c;
}

// [SECTION] Icons and small images

Canvas marker_beacon(int k) {
    // Image 0 is the empty annunciator: it lies on the sphere, so it is drawn as a dark frame.
    Canvas c(5, 5, BLACK);
    const char* letters[] = {"", "O", "M", "I"};
    const Colour colours[] = {DARK_GREY, GREEN, AMBER, GREY};
    if (k == 0) c.rect(0, 0, 5, 5, colours[0]);
    else micro_text(c, (5 - micro_width(letters[k])) / 2, 0, letters[k], colours[k]);
    return c;
}

Canvas mode_word(int width, std::string_view word, Colour colour) {
    Canvas c(width, 5, BLACK);
    if (!word.empty()) micro_text(c, (width - micro_width(word)) / 2, 0, word, colour);
    return c;
}

Canvas minimums_label(Colour colour) {
    Canvas c(17, 4, BLACK);
    micro_text(c, 0, 0, "RADIO", colour, 4);
    return c;
}

Canvas dme_label(bool lit) {
    Canvas c(14, 5, BLACK);
    if (lit) micro_text(c, 0, 0, "DME", GREY);
    return c;
}

Canvas fd_pitch_bar() { return Canvas(25, 1, MAGENTA); }
Canvas fd_roll_bar() { return Canvas(1, 26, MAGENTA); }

Canvas fd_switch(bool on) {
    Canvas c(3, 5, DARK_GREY);
    if (on) {
        c.fill_rect(1, 1, 1, 3, MID_GREY);
        c.fill_rect(0, 0, 3, 1, WHITE);
    } else {
        c.fill_rect(1, 1, 1, 3, MID_GREY);
        c.fill_rect(0, 4, 3, 1, WHITE);
    }
    return c;
}

Canvas localizer_scale(bool expanded) {
    Canvas c(51, 6, BLACK);
    c.fill_rect(25, 0, 1, 6, WHITE);
    if (expanded) {
        for (int dx : {-18, 18}) c.rect(25 + dx - 1, 2, 3, 3, WHITE);
    } else {
        for (int dx : {-17, -8, 8, 17}) c.fill_rect(25 + dx, 1, 1, 4, WHITE);
    }
    return c;
}

Canvas localizer_cover() {
    Canvas c(51, 6, BLACK);
    c.rect(0, 0, 51, 6, DARK_GREY);
    return c;
}

Canvas glideslope_scale() {
    Canvas c(6, 51, BLACK);
    c.fill_rect(0, 25, 6, 1, WHITE);
    for (int dy : {-16, -8, 8, 16}) {
        c.rect(2, 25 + dy - 1, 3, 3, WHITE);
    }
    return c;
}

Canvas glideslope_cover() {
    Canvas c(6, 51, BLACK);
    c.rect(0, 0, 6, 51, DARK_GREY);
    return c;
}

Canvas deviation_pointer() {
    Canvas c(5, 5, BLACK);
    c.fill_polygon({{2.5, 0}, {5, 2.5}, {2.5, 5}, {0, 2.5}}, MAGENTA);
    return c;
}

Canvas to_from(bool from) {
    Canvas c(5, 3, BLACK);
    for (int row = 0; row < 3; ++row) {
        const int y = from ? 2 - row : row;  // the tip on top for TO, below for FROM
        c.fill_rect(2 - row, y, 2 * row + 1, 1, WHITE);
    }
    return c;
}

// Drawn pointing along +x from the pivot, which lies 27 px left of the bitmap: the tip points outwards.
Canvas bank_pointer() {
    Canvas c(7, 9, BLACK);
    c.fill_polygon({{0, 0}, {0, 9}, {7, 4.5}}, MID_GREY);
    c.line(0, 0, 0, 8, WHITE);
    c.line(0, 0, 6, 4, WHITE);
    c.line(0, 8, 6, 4, WHITE);
    return c;
}

}  // namespace pfd_art
