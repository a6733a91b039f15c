// Data page and speed tape: weights and reference speeds, the tape with its readouts, the overspeed
// and minimum speed bands, and the take-off and approach speed markers.
//
// Inputs:  FUEL_QUANTITY_RIGHT_MAIN, _LEFT_MAIN, _CENTER (US gallons), AIRSPEED (knots),
//          MAX_SPEED (knots x 128), MACH (x 20480), AUTOPILOT_SELECTED_MACH, AUTOPILOT_SELECTED_AIRSPEED
//          (knots), all element sources; AUTOPILOT_MACH_HOLD, ON_GROUND, GEAR_POSITION_RIGHT,
//          FLAPS_POSITION (0 .. 16383) standalone.
// Outputs: element values and texts; pfd_airspeed, selected_airspeed, the weights, increments, limits
//          and marker latches; mouse areas 5, 6, 8 and 9.
#include "pfd.h"

namespace pfd {

namespace {
constexpr double GALLONS_TO_KLB = 0.0066;
constexpr double MAX_SPEED_UNITS_TO_KT = 0.0078125;  // the host gives knots x 128
constexpr double MACH_UNITS_TO_THOUSANDTHS = 0.048828125;  // 1000 / 20480
constexpr double MARKERS_LOW = 59, MARKERS_HIGH = 320;  // the marker strips' travel
}  // namespace

// [SECTION] Data page

double print_zero_fuel_weight(TokenValue) {
    const int32_t n = to_int32(zero_fuel_weight);
    print_text(zero_fuel_weight_readout, "%3d", n);
    return n;
}

double print_fuel_weight(TokenValue right_main) {
    const auto& s = fuel_weight_readout.source;
    fuel_weight = (right_main.d + s[1].value.d + s[2].value.d) * GALLONS_TO_KLB;
    const int32_t n = to_int32(fuel_weight);
    print_text(fuel_weight_readout, "%3d", n);
    return n;
}

double print_gross_weight(TokenValue) {
    gross_weight = fuel_weight + zero_fuel_weight;
    const int32_t n = to_int32(gross_weight);
    print_text(gross_weight_readout, "%3d", n);
    return n;
}

double print_vr(TokenValue) {
    vr_increment = (gross_weight - 320.0) * 0.2;
    if (vr_increment < 0) vr_increment = 0;
    const int32_t n = to_int32(vr_increment + 116.0);
    print_text(vr_readout, "%3d", n);
    return n;
}

// Unlike Vr, VREF comes down for light weights.
double print_vref(TokenValue) {
    vref_increment = (gross_weight - 320.0) * 0.15;
    const int32_t n = to_int32(vref_increment + 115.0);
    print_text(vref_readout, "%3d", n);
    return n;
}

// [SECTION] Speed tape and readouts

// Speeds below 30 knots hold the tape at 30; the stored airspeed stays unclamped.
double speed_tape_y(TokenVar* airspeed) {
    pfd_airspeed = airspeed->value.d;
    return 1000.0 - clamp(airspeed->value.d, 30.0, 1000.0);
}

double speed_drum_y(TokenVar*) {
    const int32_t n = to_int32(pfd_airspeed < 30.0 ? 30.0 : pfd_airspeed);
    return 9 - n % 10;
}

double print_speed_tens(TokenValue) {
    const int32_t n = to_int32(clamp(pfd_airspeed, 30.0, 999.0) * 0.1);
    if (n != 0) print_text(speed_tens_readout, "%2d", n);
    else print_text(speed_tens_readout, "  ");
    return n;
}

double print_mach(TokenValue mach) {
    double m = mach.d * MACH_UNITS_TO_THOUSANDTHS;
    if (m > 999) m = 999;
    const int32_t n = to_int32(m);
    if (m >= 400) print_text(mach_readout, ".%03d", n);
    else print_text(mach_readout, "    ");
    return n;
}

double print_selected_speed(TokenValue selected_mach) {
    const double airspeed = selected_speed_readout.source[1].value.d;
    selected_airspeed = airspeed;
    if (autopilot_mach_hold.value.d == 1.0) {
        // One is added before truncation, so a selected 0.75 shows .751.
        const int32_t n = to_int32(1.0 + 1000.0 * selected_mach.d);
        print_text(selected_speed_readout, ".%03d", n);
        return n;
    }
    const int32_t n = to_int32(airspeed);
    print_text(selected_speed_readout, " %03d", n);
    return n;
}

// [SECTION] Limit bands and reference speed markers

double overspeed_band_y(TokenVar* max_speed_value) {
    const double f = flaps_position.value.d;
    flap_position = f;
    max_speed = max_speed_value->value.d * MAX_SPEED_UNITS_TO_KT;
    if (gear_position_right.value.d != 0.0) max_speed = 270;
    if (f != 0.0) max_speed = 240;
    // Between the flap detents the limit runs linearly from one detent's value to the next.
    if (2053 < f && f <= 6147) max_speed = 240 - (f - 2046) * 20 / 4101;
    else if (6147 < f && f <= 10241) max_speed = 220 - (f - 6140) * 20 / 4101;
    else if (10241 < f && f <= 12288) max_speed = 200 - (f - 10234) * 10 / 2054;
    else if (12288 < f && f <= 14335) max_speed = 190 - (f - 12281) * 10 / 2054;
    else if (f > 14335) max_speed = 180 - (f - 14335) * 10 / 2047;
    return clamp(max_speed - pfd_airspeed, -64.0, 64.0);
}

double takeoff_markers_y(TokenVar*) {
    const double v = clamp(pfd_airspeed - (vr_increment - 27.0), MARKERS_LOW, MARKERS_HIGH);
    // Past the take-off speeds with the flaps up the markers have done their work.
    if (v >= 225 && flap_position == 0.0) {
        takeoff_markers_armed = 0;
        hide(takeoff_speed_markers);
    } else {
        set_hidden(takeoff_speed_markers, takeoff_markers_armed != 1);
    }
    return v;
}

// The strip runs the other way, so the value is mirrored to move it as the take-off strip moves.
double approach_markers_y(TokenVar*) {
    const double v = clamp(pfd_airspeed - (vref_increment - 28.0), MARKERS_LOW, MARKERS_HIGH);
    if (on_ground.value.d == 1.0) {
        approach_markers_armed = 0;  // touchdown
        hide(approach_speed_markers);
    } else {
        set_hidden(approach_speed_markers, approach_markers_armed != 1);
    }
    return MARKERS_LOW + MARKERS_HIGH - v;
}

// Reads gross_weight and flap_position, both written earlier in the same frame.
double minimum_speed_band_y(TokenVar*) {
    if (on_ground.value.d == 1.0) {
        hide(minimum_speed_band);
        return 64;
    }
    show(minimum_speed_band);
    const double a = 520.0 - gross_weight;
    const double f = flap_position;
    if (f == 0) min_speed = 170 - 0.2 * a;
    else if (0 < f && f <= 2053) min_speed = 142 - 0.15 * a;
    else if (2053 < f && f <= 6147) min_speed = 142 - 0.15 * a - (f - 2046) * 10 / 4101;
    else if (6147 < f && f <= 10241) min_speed = 132 - 0.15 * a - (f - 6140) * 3 / 4101;
    else if (10241 < f && f <= 12288) min_speed = 129 - 0.15 * a - (f - 10234) * 4 / 2054;
    else if (12288 < f && f <= 14335) min_speed = 125 - 0.15 * a - (f - 12281) * 5 / 2054;
    else if (f > 14335) min_speed = 120 - 0.125 * a - (f - 14335) * 2 / 2047;
    return clamp(pfd_airspeed - min_speed, -64.0, 64.0);
}

// [SECTION] Data page mouse areas

int32_t arm_takeoff_markers(PixelPoint*, uint32_t) {
    if (on_ground.value.d == 1.0) takeoff_markers_armed = 1;
    return 0;
}

int32_t arm_approach_markers(PixelPoint*, uint32_t) {
    if (on_ground.value.d == 0.0) approach_markers_armed = 1;
    return 0;
}

int32_t zero_fuel_weight_down(PixelPoint*, uint32_t) {
    zero_fuel_weight -= 5;
    if (zero_fuel_weight < 250) zero_fuel_weight = 250;
    return 1;
}

int32_t zero_fuel_weight_up(PixelPoint*, uint32_t) {
    zero_fuel_weight += 5;
    if (zero_fuel_weight > 450) zero_fuel_weight = 450;
    return 1;
}

}  // namespace pfd
