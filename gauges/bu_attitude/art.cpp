// Artwork of the standby attitude indicator: the black background, the sphere texture with its pitch
// ladder, the mask with the round window, bank scale and aircraft symbol, and the bank pointer.
#include <cmath>
#include <string>

#include "art/recipe.h"
#include "attitude_dial.h"

using namespace art;
using namespace bu_attitude;

namespace {

constexpr int TEXTURE = 256;
constexpr int HORIZON_ROW = TEXTURE / 2;  // the texture's centre row: the first row of ground
constexpr int CENTRE_COL = TEXTURE / 2;

// The sphere's centre pixel, at its centre: the pointer turns about it and the texture is placed on it.
constexpr double CX = SPHERE_CENTRE.x + 0.5;
constexpr double CY = SPHERE_CENTRE.y + 0.5;
constexpr double WINDOW_R = 30.0;
constexpr double SCALE_OUTER_R = 30.0;

// The texture row that the sphere's centre shows at a pitch: 11.5 px per 10 degrees, nose up above.
int ladder_row(double pitch_deg) {
    return HORIZON_ROW - static_cast<int>(std::lround(pitch_deg * PITCH_PX_PER_DEG));
}

double direction_deg(int dx, int dy) {
    double a = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

// The angle the host gives a bank through the pointer's table, linear between rows.
double bank_deg(double bank) {
    double angles[BANK_TABLE_ROWS];
    for (int i = 0; i < BANK_TABLE_ROWS; ++i) {
        double a = direction_deg(BANK_TABLE[i].x - SPHERE_CENTRE.x, BANK_TABLE[i].y - SPHERE_CENTRE.y);
        while (i > 0 && a <= angles[i - 1]) a += 360.0;
        angles[i] = a;
    }
    for (int i = 1; i < BANK_TABLE_ROWS; ++i)
        if (bank <= BANK_TABLE[i].value) {
            const double v0 = BANK_TABLE[i - 1].value, v1 = BANK_TABLE[i].value;
            return angles[i - 1] + (bank - v0) / (v1 - v0) * (angles[i] - angles[i - 1]);
        }
    return angles[BANK_TABLE_ROWS - 1];
}

void tick(Canvas& c, double deg, double r0, double r1, Colour colour) {
    const double a = deg * M_PI / 180.0;
    for (double r = r0; r <= r1; r += 0.2)
        c.set(static_cast<int>(std::floor(CX + r * std::cos(a))), static_cast<int>(std::floor(CY + r * std::sin(a))), colour);
}

Canvas sphere() {
    Canvas c(TEXTURE, TEXTURE, SKY);
    c.fill_rect(0, HORIZON_ROW, TEXTURE, TEXTURE - HORIZON_ROW, GROUND);
    c.fill_rect(0, HORIZON_ROW, TEXTURE, 1, WHITE);
    // The ladder: a numbered line every 10 degrees to 40 each way, a short one at each 5 between.
    for (int tens = 1; tens <= 4; ++tens)
        for (int sign : {1, -1}) {
            const int row = ladder_row(sign * tens * 10.0);
            const int half_row = ladder_row(sign * (tens * 10.0 - 5.0));
            c.fill_rect(CENTRE_COL - 7, row, 15, 1, WHITE);
            c.fill_rect(CENTRE_COL - 3, half_row, 7, 1, WHITE);
            const std::string label = std::to_string(tens * 10);
            const int y = row - text_height(6) / 2 + 1;
            text(c, CENTRE_COL - 9 - text_width(label, 6) + 1, y, label, WHITE, 6);
            text(c, CENTRE_COL + 10, y, label, WHITE, 6);
        }
    return c;
}

Canvas mask() {
    Canvas c(63, 64, BLACK);  // outside the window: black, which the colour key leaves undrawn
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 63; ++x)
            if (std::hypot(x + 0.5 - CX, y + 0.5 - CY) <= WINDOW_R) c.set(x, y, WINDOW);
    c.circle(SPHERE_CENTRE.x, SPHERE_CENTRE.y, 31, DARK_GREY);

    // The bank scale: a dark blue arc from 60 left to 60 right, long marks at 0, 30 and 60, short ones
    // at 10, 20 and 45, each where the pointer's table puts that bank.
    c.arc(CX, CY, SCALE_OUTER_R, bank_deg(-60.0), bank_deg(60.0), 1.3, NAVY);
    for (double b : {10.0, 20.0, 45.0})
        for (double s : {1.0, -1.0}) tick(c, bank_deg(s * b), 27.0, SCALE_OUTER_R, WHITE);
    for (double b : {-60.0, -30.0, 30.0, 60.0}) tick(c, bank_deg(b), 25.5, SCALE_OUTER_R, WHITE);
    // Zero bank: a small white triangle pointing down at the pointer's rest.
    c.fill_polygon({{CX - 2.5, CY - 30.0}, {CX + 2.5, CY - 30.0}, {CX, CY - 26.0}}, WHITE);

    // The aircraft symbol: two wings with their inner drops and the centre dot, on the sphere's centre.
    c.fill_rect(12, 33, 11, 2, YELLOW);
    c.fill_rect(21, 35, 2, 2, YELLOW);
    c.fill_rect(40, 33, 11, 2, YELLOW);
    c.fill_rect(40, 35, 2, 2, YELLOW);
    c.fill_rect(30, 32, 3, 3, YELLOW);
    return c;
}

// A small wedge pointing along +x, outwards at the scale; yellow like the aircraft symbol, so that it
// stands out from the white ladder turning under it.
Canvas bank_pointer() {
    Canvas c(3, 5, BLACK);
    c.fill_rect(0, 0, 1, 5, YELLOW);
    c.fill_rect(1, 1, 1, 3, YELLOW);
    c.set(2, 2, YELLOW);
    return c;
}

}  // namespace

art::Recipe gauge_art() {
    return {
        {4096, 63, 64, "background, black", [] { return Canvas(63, 64, BLACK); }},
        {8192, TEXTURE, TEXTURE, "sphere: sky above row 128, ground below, pitch ladder 10 to 40 at 11.5 px per 10", sphere},
        {8195, 63, 64, "sphere mask: round window, bank scale, aircraft symbol", mask},
        {8208, 3, 5, "bank pointer", bank_pointer},
    };
}
