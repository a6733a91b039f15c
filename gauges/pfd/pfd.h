// The primary flight display's shared declarations: bitmap numbers, module globals, standalone host
// variables, the elements the callbacks hide and show, and the callbacks and mouse handlers of each
// group. The globals and records are defined in pfd.cpp; the callbacks in attitude.cpp, speed.cpp,
// altitude.cpp and heading.cpp.
#pragma once

#include "tarvik/module.h"

namespace pfd {

using namespace tarvik;

// [SECTION] Bitmaps (an icon's images follow its number in steps of 3; a mask lies 3 above its image)

constexpr int32_t BMP_BACKGROUND = 4096;        // 156 x 163
constexpr int32_t BMP_DATA_PAGE = 4112;         // 92 x 65
constexpr int32_t BMP_ATTITUDE = 4352;          // 256 x 256 texture, mask 4355 (71 x 78)
constexpr int32_t BMP_BANK_POINTER = 4368;      // 7 x 9
constexpr int32_t BMP_MARKER_BEACON = 4373;     // 5 x 5, 4 images
constexpr int32_t BMP_HEADING_CARD = 4384;      // 256 x 256 texture, mask 4387 (99 x 26)
constexpr int32_t BMP_ALTITUDE_TAPE = 4400;     // 24 x 198, mask 4403 (24 x 109)
constexpr int32_t BMP_ALTITUDE_DRUM = 4416;     // 11 x 49, mask 4419 (11 x 14)
constexpr int32_t BMP_TEN_THOUSANDS_HATCH = 4432;  // 8 x 11
constexpr int32_t BMP_SPEED_TAPE = 4448;        // 22 x 909, mask 4451 (22 x 109)
constexpr int32_t BMP_SPEED_DRUM = 4453;        // 6 x 86, mask 4456 (6 x 14)
constexpr int32_t BMP_TAKEOFF_MARKERS = 4458;   // 7 x 327, mask 4461 (7 x 109)
constexpr int32_t BMP_OVERSPEED_BAND = 4464;    // 2 x 218, mask 4467 (2 x 109)
constexpr int32_t BMP_APPROACH_MARKERS = 4469;  // 7 x 327, mask 4472 (7 x 109)
constexpr int32_t BMP_MINIMUM_SPEED_BAND = 5120;  // 2 x 218, mask 5123 (2 x 109)
constexpr int32_t BMP_VS_POINTER = 4480;        // 8 x 86, 29 images
constexpr int32_t BMP_SELECTED_VS_MARKER = 4565;  // 3 x 3
constexpr int32_t BMP_LOCALIZER_COVER = 4608;   // 51 x 6
constexpr int32_t BMP_LOCALIZER_SCALE = 4611;   // 51 x 6, 2 images
constexpr int32_t BMP_TO_FROM = 4617;           // 5 x 3, 2 images
constexpr int32_t BMP_GLIDESLOPE_COVER = 4624;  // 6 x 51
constexpr int32_t BMP_GLIDESLOPE_SCALE = 4627;  // 6 x 51
constexpr int32_t BMP_DEVIATION_POINTER = 4640; // 5 x 5, shared by both pointers
constexpr int32_t BMP_MINIMUMS_LABEL = 4656;    // 17 x 4, 2 images
constexpr int32_t BMP_DME_LABEL = 4672;         // 14 x 5, 2 images
constexpr int32_t BMP_AUTOTHROTTLE_MODE = 4704; // 21 x 5, 4 images
constexpr int32_t BMP_ROLL_MODE = 4720;         // 24 x 5, 4 images
constexpr int32_t BMP_ARMED_ROLL_MODE = 4736;   // 13 x 5, 3 images
constexpr int32_t BMP_PITCH_MODE = 4752;        // 12 x 5, 3 images
constexpr int32_t BMP_ARMED_PITCH_MODE = 4864;  // 12 x 5, 2 images
constexpr int32_t BMP_FD_PITCH_BAR = 4880;      // 25 x 1
constexpr int32_t BMP_FD_ROLL_BAR = 4881;       // 1 x 26
constexpr int32_t BMP_FD_SWITCH = 4896;         // 3 x 5, 2 images

// [SECTION] Module globals (initial values in pfd.cpp; no lifecycle routine resets them)

extern double flight_director_on;
extern double director_bank;
extern double pfd_heading;
extern double pfd_airspeed;
extern double selected_airspeed;
extern double zero_fuel_weight;
extern double fuel_weight;
extern double gross_weight;
extern double vr_increment;
extern double vref_increment;
extern double flap_position;
extern double max_speed;
extern double min_speed;
extern int32_t takeoff_markers_armed;
extern int32_t approach_markers_armed;
extern double pfd_altitude;
extern double selected_altitude_rounded;
extern double vertical_speed_fpm;
extern double radio_altitude;
extern double minimums_setting;
extern int32_t minimums_state;
extern double nav_station_code;

// [SECTION] Standalone host variables, refreshed at the start of every update

extern TokenVar nav1_to_from;             // 32-bit integer: 0 no signal, 1 TO, 2 FROM
extern TokenVar nav1_glideslope_available;
extern TokenVar autopilot_master;
extern TokenVar autopilot_altitude_hold;
extern TokenVar autopilot_heading_hold;
extern TokenVar autothrottle_takeoff_go_around;
extern TokenVar autopilot_airspeed_hold;
extern TokenVar autopilot_mach_hold;
extern TokenVar autopilot_nav_hold;
extern TokenVar autopilot_approach_hold;
extern TokenVar autopilot_glideslope_hold;
extern TokenVar on_ground;
extern TokenVar gear_position_right;
extern TokenVar flaps_position;
extern TokenVar bank_attitude;

// [SECTION] Elements the callbacks read or hide and show

extern Slider fd_pitch_bar;
extern Slider fd_roll_bar;
extern StringElement zero_fuel_weight_readout;
extern StringElement fuel_weight_readout;
extern StringElement gross_weight_readout;
extern StringElement vr_readout;
extern StringElement vref_readout;
extern StringElement speed_tens_readout;
extern StringElement mach_readout;
extern StringElement selected_speed_readout;
extern MovingImage takeoff_speed_markers;
extern MovingImage approach_speed_markers;
extern MovingImage minimum_speed_band;
extern StringElement radio_altitude_readout;
extern StringElement altitude_hundreds_digit;
extern StringElement altitude_thousands_digit;
extern StringElement altitude_ten_thousands_digit;
extern StringElement selected_altitude_thousands_readout;
extern StringElement selected_altitude_hundreds_readout;
extern StringElement climb_rate_readout;
extern StringElement descent_rate_readout;
extern StringElement barometric_setting_readout;
extern StringElement minimums_readout_normal;
extern StringElement minimums_readout_alert;
extern StringElement heading_readout;
extern StringElement autopilot_status_readout;
extern Slider localizer_pointer;
extern StringElement station_identifier_readout;
extern StringElement course_readout;
extern StringElement dme_distance_readout;
extern StaticImage glideslope_scale;
extern Slider glideslope_pointer;

// [SECTION] Callbacks, in element order

// Attitude (attitude.cpp)
double attitude_pitch(TokenVar* pitch);
double bank_pointer_angle(TokenVar* bank);
double fd_pitch_bar_y(TokenVar* pitch);
double fd_roll_bar_x(TokenVar* selected_heading);
double fd_switch_image(TokenVar*);
int32_t fd_switch_click(PixelPoint*, uint32_t);

// Data page and speed tape (speed.cpp)
double print_zero_fuel_weight(TokenValue);
double print_fuel_weight(TokenValue right_main);
double print_gross_weight(TokenValue);
double print_vr(TokenValue);
double print_vref(TokenValue);
double speed_tape_y(TokenVar* airspeed);
double speed_drum_y(TokenVar*);
double print_speed_tens(TokenValue);
double overspeed_band_y(TokenVar* max_speed_value);
double print_mach(TokenValue mach);
double print_selected_speed(TokenValue selected_mach);
double takeoff_markers_y(TokenVar*);
double approach_markers_y(TokenVar*);
double minimum_speed_band_y(TokenVar*);
int32_t arm_takeoff_markers(PixelPoint*, uint32_t);
int32_t arm_approach_markers(PixelPoint*, uint32_t);
int32_t zero_fuel_weight_down(PixelPoint*, uint32_t);
int32_t zero_fuel_weight_up(PixelPoint*, uint32_t);

// Altitude, vertical speed, barometric setting, radio altitude and minimums (altitude.cpp)
double print_radio_altitude(TokenValue ground_altitude);
double altitude_tape_y(TokenVar* altitude);
double altitude_drum_y(TokenVar*);
double print_altitude_hundreds(TokenValue);
double print_altitude_thousands(TokenValue);
double print_altitude_ten_thousands(TokenValue);
double ten_thousands_hatch_image(TokenVar*);
double print_selected_altitude_thousands(TokenValue selected_altitude);
double print_selected_altitude_hundreds(TokenValue);
double print_climb_rate(TokenValue vertical_speed);
double print_descent_rate(TokenValue);
double vertical_speed_pointer_image(TokenVar*);
double selected_vs_marker_y(TokenVar* selected_vs);
double print_barometric_setting(TokenValue inches);
double minimums_label_image(TokenVar*);
double print_minimums_normal(TokenValue);
double print_minimums_alert(TokenValue);
int32_t minimums_down(PixelPoint*, uint32_t);
int32_t minimums_up(PixelPoint*, uint32_t);

// Heading, flight modes, localizer, glideslope and station data (heading.cpp)
double heading_rose_angle(TokenVar* heading);
double print_heading(TokenValue);
double print_autopilot_status(TokenValue);
double autothrottle_mode_image(TokenVar*);
double roll_mode_image(TokenVar*);
double armed_roll_mode_image(TokenVar*);
double pitch_mode_image(TokenVar*);
double armed_pitch_mode_image(TokenVar*);
double localizer_scale_image(TokenVar* deviation);
double localizer_pointer_x(TokenVar* deviation);
double localizer_cover_image(TokenVar*);
double to_from_image(TokenVar*);
double print_station_identifier(TokenValue identifier);
double print_course(TokenValue course);
double dme_label_image(TokenVar*);
double print_dme_distance(TokenValue distance);
double glideslope_pointer_y(TokenVar* deviation);
double glideslope_cover_image(TokenVar*);

}  // namespace pfd
