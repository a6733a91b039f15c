// Heading rose and readout, autopilot status, flight mode annunciations, localizer, glideslope and
// the tuned station's identifier, course and distance.
//
// Inputs:  HEADING (degrees), NAV1_LOCALIZER_DEVIATION and NAV1_GLIDESLOPE_DEVIATION (-127 .. 127 full
//          scale), NAV1_IDENTIFIER (text), NAV1_STATION_CODE (32-bit: 8 no station, odd DME),
//          NAV1_COURSE (degrees), NAV1_DME_DISTANCE (nautical miles), element sources; NAV1_TO_FROM
//          (32-bit), NAV1_GLIDESLOPE_AVAILABLE and the autopilot holds, standalone.
// Outputs: element values and texts; pfd_heading, nav_station_code.
#include "pfd.h"

namespace pfd {

namespace {
bool is_one(const TokenVar& v) { return v.value.d == 1.0; }
bool is_zero(const TokenVar& v) { return v.value.d == 0.0; }
bool expanded(double deviation) { return -32 < deviation && deviation < 32; }
bool dme_available() { return to_int32(nav_station_code) % 2 != 0; }
constexpr double NO_STATION = 8;
}  // namespace

// [SECTION] Heading

double heading_rose_angle(TokenVar* heading) {
    pfd_heading = heading->value.d;
    return heading->value.d;
}

double print_heading(TokenValue) {
    const int32_t n = to_int32(pfd_heading);
    print_text(heading_readout, "%03d", n);
    return n;
}

// [SECTION] Autopilot status and flight mode annunciations

double print_autopilot_status(TokenValue) {
    const bool engaged = is_one(autopilot_master);
    print_text(autopilot_status_readout, engaged ? "A/P" : "   ");
    return engaged ? 1 : 0;
}

double autothrottle_mode_image(TokenVar*) {
    if (is_one(autothrottle_takeoff_go_around)) return 1;  // TO/GA
    if (is_one(autopilot_mach_hold)) return 2;             // MACH
    if (is_one(autopilot_airspeed_hold)) return 3;         // SPD
    return 0;
}

// While heading hold is on, a navigation or approach hold is only armed.
double roll_mode_image(TokenVar*) {
    if (is_one(autopilot_heading_hold)) return 1;                                    // HDG SEL
    if (is_one(autopilot_nav_hold) && is_zero(autopilot_heading_hold)) return 2;      // NAV
    if (is_one(autopilot_approach_hold) && is_zero(autopilot_heading_hold)) return 3; // LOC
    return 0;
}

double armed_roll_mode_image(TokenVar*) {
    if (is_one(autopilot_nav_hold) && is_one(autopilot_heading_hold)) return 1;       // NAV
    if (is_one(autopilot_approach_hold) && is_one(autopilot_heading_hold)) return 2;  // LOC
    return 0;
}

// While altitude hold is on, a glideslope hold is only armed.
double pitch_mode_image(TokenVar*) {
    if (is_one(autopilot_altitude_hold)) return 1;                                         // ALT
    if (is_one(autopilot_glideslope_hold) && is_zero(autopilot_altitude_hold)) return 2;   // G/S
    return 0;
}

double armed_pitch_mode_image(TokenVar*) {
    return is_one(autopilot_glideslope_hold) && is_one(autopilot_altitude_hold) ? 1 : 0;  // G/S
}

// [SECTION] Localizer and to/from

double localizer_scale_image(TokenVar* deviation) {
    if (nav1_to_from.value.i == 0) return -1;
    return expanded(deviation->value.d) ? 1 : 0;
}

// Inside a quarter of full scale the scale expands four times: just under 32 lands where 127 does.
double localizer_pointer_x(TokenVar* deviation) {
    const double v = deviation->value.d;
    if (nav1_to_from.value.i == 0) {
        hide(localizer_pointer);
        return v;
    }
    show(localizer_pointer);
    return expanded(v) ? 4 * v : v;
}

double localizer_cover_image(TokenVar*) { return nav1_to_from.value.i == 0 ? 0 : -1; }

double to_from_image(TokenVar*) {
    if (nav1_to_from.value.i == 1) return 0;
    if (nav1_to_from.value.i == 2) return 1;
    return -1;
}

// [SECTION] Station data

// Runs first of the station elements, so the others use this frame's station code.
double print_station_identifier(TokenValue identifier) {
    const uint32_t code = static_cast<uint32_t>(station_identifier_readout.source[1].value.i);
    nav_station_code = code;
    if (nav_station_code == NO_STATION) {
        hide(station_identifier_readout);
        return nav_station_code;
    }
    // The identifier is the host's text: a null pointer prints as nothing, a long one is cut.
    print_text(station_identifier_readout, "%s", text_of(identifier));
    show(station_identifier_readout);
    return nav_station_code;
}

double print_course(TokenValue course) {
    if (nav_station_code == NO_STATION) {
        hide(course_readout);
        return 0;
    }
    const int32_t n = to_int32(course.d);
    print_text(course_readout, "/%03d", n);
    show(course_readout);
    return n;
}

double dme_label_image(TokenVar*) { return dme_available() ? 1 : 0; }

// Tenths up to 9.9 nm, whole miles beyond. The whole-mile form's trailing blank makes one character
// more than the element shows: it is printed bounded by the buffer, and the text box clips it.
double print_dme_distance(TokenValue distance) {
    if (!dme_available()) {
        hide(dme_distance_readout);
        return 0;
    }
    if (distance.d <= 9.9) print_text_c(dme_distance_readout, "%.1f", distance.d);
    else print_text_c(dme_distance_readout, "%3d ", to_int32(distance.d));
    show(dme_distance_readout);
    return distance.d;
}

// [SECTION] Glideslope

double glideslope_pointer_y(TokenVar* deviation) {
    const bool received = nav1_glideslope_available.value.d != 0.0;
    set_hidden(glideslope_scale, !received);
    set_hidden(glideslope_pointer, !received);
    return deviation->value.d;
}

double glideslope_cover_image(TokenVar*) { return nav1_glideslope_available.value.d != 0.0 ? -1 : 0; }

}  // namespace pfd
