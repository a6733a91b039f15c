// Altitude tape and readouts, selected altitude, vertical speed, barometric setting, radio altitude
// and minimums.
//
// Inputs:  GROUND_ALTITUDE (metres x 256), ALTITUDE_METRES, ALTITUDE (feet), AUTOPILOT_SELECTED_ALTITUDE
//          (feet), VERTICAL_SPEED (x 0.76884375 = ft/min), AUTOPILOT_SELECTED_VERTICAL_SPEED (ft/min),
//          BAROMETRIC_SETTING (inches of mercury), all element sources.
// Outputs: element values and texts; pfd_altitude, selected_altitude_rounded, vertical_speed_fpm,
//          radio_altitude, minimums_state; minimums_setting (mouse areas 3 and 4).
#include "pfd.h"

#include <cmath>

namespace pfd {

namespace {
constexpr double METRES_TO_FEET = 3.2804;
constexpr double GROUND_UNITS_TO_METRES = 0.00390625;  // the host gives metres x 256
constexpr double RADIO_ALTIMETER_OFFSET_FT = 15;       // antenna height above the wheels
constexpr double VS_UNITS_TO_FPM = 0.76884375;

// step x int(v x per_step), the readouts' truncation to whole steps. The product is taken in double so
// that it cannot overflow: a value with no 32-bit whole number reads as the integer indefinite, as the
// conversion itself does.
int32_t truncated_to_step(double v, double per_step, int32_t step) {
    return to_int32(static_cast<double>(step) * to_int32(v * per_step));
}
}  // namespace

// [SECTION] Radio altitude

double print_radio_altitude(TokenValue ground_altitude) {
    const double metres = radio_altitude_readout.source[1].value.d;
    radio_altitude = (metres - ground_altitude.d * GROUND_UNITS_TO_METRES) * METRES_TO_FEET - RADIO_ALTIMETER_OFFSET_FT;
    if (radio_altitude >= 2500) {
        hide(radio_altitude_readout);
        return radio_altitude;
    }
    show(radio_altitude_readout);
    // Steps of 20 ft above 100 ft, of 2 ft below.
    const int32_t n = radio_altitude > 100 ? truncated_to_step(radio_altitude, 0.05, 20)
                                           : truncated_to_step(radio_altitude, 0.5, 2);
    print_text(radio_altitude_readout, "%4d", n);
    return n;
}

// [SECTION] Altitude tape, drum and digits

double altitude_tape_y(TokenVar* altitude) {
    double v = altitude->value.d;
    if (v < 0) v = 0;
    pfd_altitude = v;
    return 999 - to_int32(v) % 1000;
}

double altitude_drum_y(TokenVar*) { return 99 - to_int32(pfd_altitude) % 100; }

// The printed digits run 8 ft ahead, so each turns over as the drum shows the next hundred.
namespace {
int32_t digits_altitude() { return to_int32(pfd_altitude + 8); }
}  // namespace

double print_altitude_hundreds(TokenValue) {
    const int32_t d = digits_altitude() % 1000 / 100;
    print_text(altitude_hundreds_digit, "%1d", d);
    return d;
}

double print_altitude_thousands(TokenValue) {
    const int32_t d = digits_altitude() % 10000 / 1000;
    print_text(altitude_thousands_digit, "%1d", d);
    return d;
}

double print_altitude_ten_thousands(TokenValue) {
    const int32_t d = digits_altitude() % 100000 / 10000;
    print_text(altitude_ten_thousands_digit, "%1d", d);
    return d;
}

// The hatch covers the ten-thousands place while its digit is 0.
double ten_thousands_hatch_image(TokenVar*) { return pfd_altitude + 8 > 9998 ? -1 : 0; }

// [SECTION] Selected altitude

double print_selected_altitude_thousands(TokenValue selected_altitude) {
    const double v = selected_altitude.d;
    // A selection the host reports a little below a round hundred (4999.7) shows as that hundred.
    const uint32_t n = static_cast<uint32_t>(to_int32(v));
    if (n % 100 > 90) selected_altitude_rounded = 100.0 * (1.0 - to_int32(-0.01 * v));
    else selected_altitude_rounded = 100.0 * to_int32(0.01 * v);
    const double thousands = selected_altitude_rounded * 0.001;
    if (thousands >= 1) print_text(selected_altitude_thousands_readout, "%2d", to_int32(thousands));
    else print_text(selected_altitude_thousands_readout, "  ");
    return to_int32(thousands);
}

double print_selected_altitude_hundreds(TokenValue) {
    const uint32_t n = static_cast<uint32_t>(to_int32(selected_altitude_rounded)) % 1000;
    print_text(selected_altitude_hundreds_readout, "%03d", static_cast<int32_t>(n));
    return n;
}

// [SECTION] Vertical speed

// A vertical speed that is not a number shows no rate readout.
double print_climb_rate(TokenValue vertical_speed) {
    vertical_speed_fpm = vertical_speed.d * VS_UNITS_TO_FPM;
    const double s = vertical_speed_fpm > 9999 ? 9999 : vertical_speed_fpm;
    if (!(vertical_speed_fpm >= 400)) {
        print_text(climb_rate_readout, "    ");
        return 0;
    }
    const int32_t n = truncated_to_step(s, 0.02, 50);
    print_text(climb_rate_readout, "%4d", n);
    return n;
}

double print_descent_rate(TokenValue) {
    const double s = vertical_speed_fpm < -9999 ? -9999 : vertical_speed_fpm;
    if (!(s <= -400)) {
        print_text(descent_rate_readout, "    ");
        return 0;
    }
    const int32_t n = -truncated_to_step(s, 0.02, 50);
    print_text(descent_rate_readout, "%4d", n);
    return n;
}

// Feet per minute at which the pointer moves to its next image, one row per band.
namespace {
constexpr double VS_BAND_FLOOR[] = {200, 300, 450, 600, 775, 925, 1125, 1375, 1625, 1875, 2500, 3500, 4500, 5500};
}

double vertical_speed_pointer_image(TokenVar*) {
    const double m = std::fabs(static_cast<double>(to_int32(vertical_speed_fpm)));
    int band = 0;
    for (double floor : VS_BAND_FLOOR)
        if (m >= floor) ++band;
    return vertical_speed_fpm >= 0 ? 14 + band : 14 - band;
}

// Two units per ft/min up to 2000, half a unit beyond, so the marker stands on the 1, 2 and 6 marks.
double selected_vs_marker_y(TokenVar* selected_vs) {
    const double v = clamp(selected_vs->value.d, -6000.0, 6000.0);
    if (v > 2000) return 3000 + 0.5 * v;
    if (v < -2000) return 0.5 * v - 3000;
    return 2 * v;
}

// [SECTION] Barometric setting

double print_barometric_setting(TokenValue inches) {
    const int32_t n = to_int32(100.0 * inches.d);
    if (n == 2992) print_text(barometric_setting_readout, " STD   ");
    else print_text(barometric_setting_readout, "%2d.%02dIN", n / 100, n % 100);
    return n;
}

// [SECTION] Minimums

// Yellow while descending below the minimums; a climb or level-off ends it at once.
double minimums_label_image(TokenVar*) {
    if (vertical_speed_fpm < -100 && radio_altitude < minimums_setting) {
        minimums_state = 0;
        return 1;
    }
    minimums_state = 1;
    return 0;
}

// The two readouts lie on one spot; each shows itself and hides the other in its own state.
double print_minimums_normal(TokenValue) {
    if (minimums_state == 1) {
        hide(minimums_readout_alert);
        show(minimums_readout_normal);
        print_text(minimums_readout_normal, "%3d", to_int32(minimums_setting));
    } else {
        hide(minimums_readout_normal);
        show(minimums_readout_alert);
    }
    return minimums_setting;
}

double print_minimums_alert(TokenValue) {
    if (minimums_state == 0) {
        hide(minimums_readout_normal);
        show(minimums_readout_alert);
        print_text(minimums_readout_alert, "%3d", to_int32(minimums_setting));
    } else {
        hide(minimums_readout_alert);
        show(minimums_readout_normal);
    }
    return minimums_setting;
}

int32_t minimums_down(PixelPoint*, uint32_t) {
    if (minimums_setting > 10) minimums_setting -= 10;
    return 0;
}

int32_t minimums_up(PixelPoint*, uint32_t) {
    if (minimums_setting < 990) minimums_setting += 10;
    return 0;
}

}  // namespace pfd
