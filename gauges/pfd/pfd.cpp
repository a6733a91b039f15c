// The primary flight display, "TARVIK_PFD": attitude sphere and flight director, speed tape with limit
// bands and reference speed markers, altitude tape, vertical speed, barometric setting, radio altitude
// and minimums, heading, flight mode annunciations, localizer, glideslope and station data; outside
// its 156 x 163 screen, a data page of weights and reference speeds, the flight director switch and
// the barometric and minimums adjusting areas.
//
// This file holds the data: module globals, standalone host variables, the element records as one
// chain of fifteen groups, the mouse-area list and the lifecycle. The callbacks live in attitude.cpp,
// speed.cpp, altitude.cpp and heading.cpp, one file per group of the display.
//
// Inputs:  the host variables named in the records and in the standalone list (units in each file).
// Outputs: KEY_BAROMETRIC_DEC, KEY_BAROMETRIC_INC (mouse areas 1 and 2); no window, no sound.
//
// [SECTION] Module globals
// [SECTION] Standalone host variables
// [SECTION] Element records
// [SECTION] Mouse areas
// [SECTION] Lifecycle and exports
#include "records.h"

namespace pfd {

// [SECTION] Module globals

double flight_director_on = 0.0;
double director_bank = 0.0;
double pfd_heading = 0.0;
double pfd_airspeed = 0.0;
double selected_airspeed = 0.0;
double zero_fuel_weight = 250.0;
double fuel_weight = 0.0;
double gross_weight = 0.0;
double vr_increment = 0.0;
double vref_increment = 0.0;
double flap_position = 0.0;
double max_speed = 0.0;
double min_speed = 0.0;
int32_t takeoff_markers_armed = 0;
int32_t approach_markers_armed = 0;
double pfd_altitude = 0.0;
double selected_altitude_rounded = 0.0;
double vertical_speed_fpm = 0.0;
double radio_altitude = 0.0;
double minimums_setting = 200.0;
int32_t minimums_state = 0;
double nav_station_code = 8.0;

// [SECTION] Standalone host variables

TokenVar nav1_to_from{NAV1_TO_FROM};
TokenVar nav1_glideslope_available{NAV1_GLIDESLOPE_AVAILABLE};
TokenVar autopilot_master{AUTOPILOT_MASTER};
TokenVar autopilot_altitude_hold{AUTOPILOT_ALTITUDE_HOLD};
TokenVar autopilot_heading_hold{AUTOPILOT_HEADING_HOLD};
TokenVar autothrottle_takeoff_go_around{AUTOTHROTTLE_TAKEOFF_GO_AROUND};
TokenVar autopilot_airspeed_hold{AUTOPILOT_AIRSPEED_HOLD};
TokenVar autopilot_mach_hold{AUTOPILOT_MACH_HOLD};
TokenVar autopilot_nav_hold{AUTOPILOT_NAV_HOLD};
TokenVar autopilot_approach_hold{AUTOPILOT_APPROACH_HOLD};
TokenVar autopilot_glideslope_hold{AUTOPILOT_GLIDESLOPE_HOLD};
TokenVar on_ground{ON_GROUND};
TokenVar gear_position_right{GEAR_POSITION_RIGHT};
TokenVar flaps_position{FLAPS_POSITION};
TokenVar bank_attitude{BANK_ATTITUDE};

namespace {
TokenVar* const standalone[] = {
    &nav1_to_from,       &nav1_glideslope_available, &autopilot_master,        &autopilot_altitude_hold,
    &autopilot_heading_hold, &autothrottle_takeoff_go_around, &autopilot_airspeed_hold, &autopilot_mach_hold,
    &autopilot_nav_hold, &autopilot_approach_hold,   &autopilot_glideslope_hold, &on_ground,
    &gear_position_right, &flaps_position,           &bank_attitude,
};
}  // namespace

// [SECTION] Element records
//
// One chain of groups: each group hangs below the last element of the group before it, so the host
// updates and draws them in exactly this order. The order carries the data flow between callbacks:
// the data page computes gross_weight before the minimum speed band reads it, the overspeed band
// stores flap_position before the marker strips and the minimum band read it, the minimums label sets
// minimums_state before both readouts, the identifier stores nav_station_code before the course and
// DME elements. The flight director bars read pfd_heading, pfd_airspeed and selected_airspeed, written
// further down the chain, and so use the previous frame's values by design.

const FailureEntry failures[] = {{1, 3}, {0, 0}};

using namespace rec;

constexpr uint32_t GREY = 0xC3C3C3, NAVY = 0x800000, BLACK = 0x000000, MAGENTA = 0xFF00FF, GREEN = 0x40FF40,
                   YELLOW = 0x00FFFF, DARK_GREY = 0x515151;

extern Element* group_1[];
extern Element* group_2[];
extern Element* group_3[];
extern Element* group_4[];
extern Element* group_5[];
extern Element* group_6[];
extern Element* group_7[];
extern Element* group_8[];
extern Element* group_9[];
extern Element* group_10[];
extern Element* group_11[];
extern Element* group_12[];
extern Element* group_13[];
extern Element* group_14[];
extern Element* group_15[];

StaticImage background = image(BMP_BACKGROUND, {0, 0}, 0x5, group_1);

// Group 1, below the background: the data page, outside the screen to the lower right.
StaticImage data_page_image = image(BMP_DATA_PAGE, {314, 222}, 0x4);
//                                        position      box (w, h, chars)  colours         flags  sources                    callback
StringElement zero_fuel_weight_readout = text({320, 266}, {12, 7, 3}, {GREY, NAVY}, 0x4, {}, print_zero_fuel_weight);
StringElement fuel_weight_readout      = text({320, 251}, {12, 7, 3}, {GREY, NAVY}, 0x4,
                                              {FUEL_QUANTITY_RIGHT_MAIN, FUEL_QUANTITY_LEFT_MAIN, FUEL_QUANTITY_CENTER},
                                              print_fuel_weight);
StringElement gross_weight_readout     = text({320, 237}, {12, 7, 3}, {GREY, NAVY}, 0x4, {}, print_gross_weight);
StringElement vr_readout               = text({384, 238}, {12, 7, 3}, {GREY, NAVY}, 0x4, {}, print_vr);
StringElement vref_readout             = text({384, 265}, {12, 7, 3}, {GREY, NAVY}, 0x4, {}, print_vref, group_2);
Element* group_1[] = {&data_page_image, &zero_fuel_weight_readout, &fuel_weight_readout, &gross_weight_readout,
                      &vr_readout, &vref_readout, nullptr};

// Group 2, below the VREF readout: the attitude sphere (mask 4355 at (33,40), texture centre (68,80)).
//                                bitmap        position  centre    flags  x   y: pitch, 1.5 px per degree               angle: bank, scale -1
Sprite attitude_sphere = sprite(BMP_ATTITUDE, {33, 40}, {68, 80}, 0x5, {}, {PITCH_ATTITUDE, attitude_pitch, 1.5},
                                {BANK_ATTITUDE, nullptr, -1.0}, group_3);
Element* group_2[] = {&attitude_sphere, nullptr};

// Group 3, below the attitude sphere.
NonlinearityEntry bank_pointer_table[] = {{38, 61, -60.0, 0}, {68, 44, 0.0, 0}, {98, 61, 60.0, 0}};
Needle bank_pointer = needle(BMP_BANK_POINTER, {68, 79}, {-27, 4}, 0x7, {BANK_ANGLE, bank_pointer_angle},
                             {bank_pointer_table, 3}, 10);
StringElement radio_altitude_readout = text({58, 109}, {20, 8, 4}, {GREY, BLACK}, 0x6, {GROUND_ALTITUDE, ALTITUDE_METRES},
                                            print_radio_altitude);
Icon marker_beacon_icon = icon(BMP_MARKER_BEACON, {96, 42}, 0x6, 4, {MARKER_BEACON, nullptr});
//                            bitmap            position  flags  x                                           y
Slider fd_pitch_bar = slider(BMP_FD_PITCH_BAR, {56, 79}, 0x6, {}, {PITCH_ATTITUDE, fd_pitch_bar_y, 1.0});
Slider fd_roll_bar  = slider(BMP_FD_ROLL_BAR, {68, 66}, 0x6, {AUTOPILOT_SELECTED_HEADING, fd_roll_bar_x, 1.0}, {});
Icon fd_switch_icon = icon(BMP_FD_SWITCH, {303, -56}, 0x3, 2, {0, fd_switch_image}, group_4);
Element* group_3[] = {&bank_pointer, &radio_altitude_readout, &marker_beacon_icon, &fd_pitch_bar, &fd_roll_bar,
                      &fd_switch_icon, nullptr};

// Group 4, below the flight director switch: the heading rose (mask 4387 at (19,136), card centre
// (68,195) below the screen) and its readout.
Sprite heading_rose = sprite(BMP_HEADING_CARD, {19, 136}, {68, 195}, 0x5, {}, {}, {HEADING, heading_rose_angle, 1.0});
StringElement heading_readout = text({44, 153}, {15, 8, 3}, {MAGENTA, DARK_GREY}, 0x6, {}, print_heading, group_5);
Element* group_4[] = {&heading_rose, &heading_readout, nullptr};

// Group 5, below the heading readout.
MovingImage altitude_tape = moving_y(BMP_ALTITUDE_TAPE, {112, 25}, 0x4, {ALTITUDE, altitude_tape_y, 0, 999}, group_6);
Element* group_5[] = {&altitude_tape, nullptr};

// Group 6, below the altitude tape: the readout box and the selected altitude.
MovingImage altitude_drum = moving_y(BMP_ALTITUDE_DRUM, {132, 72}, 0x4, {0, altitude_drum_y, 0, 99});
StringElement altitude_hundreds_digit       = text({127, 76}, {5, 8, 1}, {GREY, BLACK}, 0x4, {}, print_altitude_hundreds);
StringElement altitude_thousands_digit      = text({121, 75}, {5, 9, 1}, {GREY, BLACK}, 0x6, {}, print_altitude_thousands);
StringElement altitude_ten_thousands_digit  = text({115, 75}, {5, 9, 1}, {GREY, BLACK}, 0x6, {}, print_altitude_ten_thousands);
Icon ten_thousands_hatch = icon(BMP_TEN_THOUSANDS_HATCH, {113, 74}, 0x6, 1, {0, ten_thousands_hatch_image});
StringElement selected_altitude_thousands_readout = text({111, 15}, {10, 9, 2}, {MAGENTA, NAVY}, 0x4,
                                                         {AUTOPILOT_SELECTED_ALTITUDE}, print_selected_altitude_thousands);
StringElement selected_altitude_hundreds_readout  = text({121, 16}, {15, 8, 3}, {MAGENTA, NAVY}, 0x4, {},
                                                         print_selected_altitude_hundreds, group_7);
Element* group_6[] = {&altitude_drum, &altitude_hundreds_digit, &altitude_thousands_digit,
                      &altitude_ten_thousands_digit, &ten_thousands_hatch, &selected_altitude_thousands_readout,
                      &selected_altitude_hundreds_readout, nullptr};

// Group 7, below the selected altitude.
MovingImage speed_tape = moving_y(BMP_SPEED_TAPE, {2, 25}, 0x4, {AIRSPEED, speed_tape_y, 0, 1000}, group_8);
Element* group_7[] = {&speed_tape, nullptr};

// Group 8, below the speed tape. The take-off strip runs its range downwards (320 to 59) and the
// approach strip upwards with a mirrored value, so both move the same way with the airspeed.
MovingImage speed_drum = moving_y(BMP_SPEED_DRUM, {14, 72}, 0x4, {0, speed_drum_y, 0, 9});
StringElement speed_tens_readout = text({3, 74}, {10, 9, 2}, {GREY, BLACK}, 0x4, {}, print_speed_tens);
MovingImage overspeed_band = moving_y(BMP_OVERSPEED_BAND, {24, 25}, 0x4, {MAX_SPEED, overspeed_band_y, -64, 64});
StringElement mach_readout = text({2, 135}, {20, 9, 4}, {GREY, NAVY}, 0x4, {MACH}, print_mach);
StringElement selected_speed_readout = text({2, 15}, {20, 9, 4}, {MAGENTA, NAVY}, 0x4,
                                            {AUTOPILOT_SELECTED_MACH, AUTOPILOT_SELECTED_AIRSPEED}, print_selected_speed);
MovingImage takeoff_speed_markers  = moving_y(BMP_TAKEOFF_MARKERS, {26, 25}, 0x6, {0, takeoff_markers_y, 320, 59});
MovingImage approach_speed_markers = moving_y(BMP_APPROACH_MARKERS, {26, 25}, 0x7, {0, approach_markers_y, 59, 320},
                                              group_9);
Element* group_8[] = {&speed_drum, &speed_tens_readout, &overspeed_band, &mach_readout, &selected_speed_readout,
                      &takeoff_speed_markers, &approach_speed_markers, nullptr};

// Group 9, below the approach speed markers.
MovingImage minimum_speed_band = moving_y(BMP_MINIMUM_SPEED_BAND, {24, 25}, 0x7, {0, minimum_speed_band_y, 64, -64},
                                          group_10);
Element* group_9[] = {&minimum_speed_band, nullptr};

// Group 10, below the minimum speed band: vertical speed.
StringElement climb_rate_readout   = text({137, 27}, {16, 7, 4}, {GREY, NAVY}, 0x4, {VERTICAL_SPEED}, print_climb_rate);
StringElement descent_rate_readout = text({137, 123}, {16, 7, 4}, {GREY, NAVY}, 0x4, {}, print_descent_rate);
Icon vertical_speed_pointer = icon(BMP_VS_POINTER, {147, 36}, 0x4, 29, {0, vertical_speed_pointer_image});
Slider selected_vs_marker = slider(BMP_SELECTED_VS_MARKER, {144, 78}, 0x7, {},
                                   {AUTOPILOT_SELECTED_VERTICAL_SPEED, selected_vs_marker_y, -0.007}, group_11);
Element* group_10[] = {&climb_rate_readout, &descent_rate_readout, &vertical_speed_pointer, &selected_vs_marker,
                       nullptr};

// Group 11, below the selected vertical speed marker.
StringElement barometric_setting_readout = text({112, 138}, {35, 8, 7}, {GREEN, NAVY}, 0x6, {BAROMETRIC_SETTING},
                                                print_barometric_setting, group_12);
Element* group_11[] = {&barometric_setting_readout, nullptr};

// Group 12, below the barometric setting: the label decides the state both readouts follow.
Icon minimums_label = icon(BMP_MINIMUMS_LABEL, {90, 126}, 0x4, 2, {0, minimums_label_image});
StringElement minimums_readout_normal = text({92, 132}, {15, 8, 3}, {GREEN, NAVY}, 0x6, {}, print_minimums_normal);
StringElement minimums_readout_alert  = text({92, 132}, {15, 8, 3}, {YELLOW, NAVY}, 0x6, {}, print_minimums_alert,
                                             group_13);
Element* group_12[] = {&minimums_label, &minimums_readout_normal, &minimums_readout_alert, nullptr};

// Group 13, below the alert minimums readout: autopilot status and flight mode annunciations.
StringElement autopilot_status_readout = text({61, 31}, {18, 8, 3}, {GREEN, NAVY}, 0x4, {}, print_autopilot_status);
Icon autothrottle_mode = icon(BMP_AUTOTHROTTLE_MODE, {29, 6}, 0x4, 4, {0, autothrottle_mode_image});
Icon roll_mode         = icon(BMP_ROLL_MODE, {57, 6}, 0x4, 4, {0, roll_mode_image});
Icon armed_roll_mode   = icon(BMP_ARMED_ROLL_MODE, {63, 13}, 0x4, 3, {0, armed_roll_mode_image});
Icon pitch_mode        = icon(BMP_PITCH_MODE, {93, 6}, 0x4, 3, {0, pitch_mode_image});
Icon armed_pitch_mode  = icon(BMP_ARMED_PITCH_MODE, {93, 13}, 0x4, 2, {0, armed_pitch_mode_image}, group_14);
Element* group_13[] = {&autopilot_status_readout, &autothrottle_mode, &roll_mode, &armed_roll_mode, &pitch_mode,
                       &armed_pitch_mode, nullptr};

// Group 14, below the armed pitch mode: localizer and station data. The pointer carries no failure list.
Icon localizer_scale = icon(BMP_LOCALIZER_SCALE, {43, 118}, 0x6, 2, {NAV1_LOCALIZER_DEVIATION, localizer_scale_image});
Slider localizer_pointer = slider(BMP_DEVIATION_POINTER, {66, 119}, 0x7,
                                  {NAV1_LOCALIZER_DEVIATION, localizer_pointer_x, 24.0 / 127.0}, {}, nullptr, nullptr);
Icon localizer_scale_cover = icon(BMP_LOCALIZER_COVER, {43, 118}, 0x4, 1, {0, localizer_cover_image});
Icon to_from_triangle = icon(BMP_TO_FROM, {66, 125}, 0x6, 2, {0, to_from_image});
StringElement station_identifier_readout = text({33, 21}, {16, 7, 3}, {GREY, NAVY}, 0x6,
                                                {NAV1_IDENTIFIER, NAV1_STATION_CODE}, print_station_identifier);
StringElement course_readout = text({52, 21}, {16, 7, 4}, {GREY, NAVY}, 0x6, {NAV1_COURSE}, print_course);
Icon dme_label = icon(BMP_DME_LABEL, {33, 30}, 0x4, 2, {0, dme_label_image});
StringElement dme_distance_readout = text({48, 28}, {12, 7, 3}, {GREY, NAVY}, 0x6, {NAV1_DME_DISTANCE},
                                          print_dme_distance, group_15);
Element* group_14[] = {&localizer_scale, &localizer_pointer, &localizer_scale_cover, &to_from_triangle,
                       &station_identifier_readout, &course_readout, &dme_label, &dme_distance_readout, nullptr};

// Group 15, below the DME distance: the glideslope. The pointer carries no failure list.
StaticImage glideslope_scale = image(BMP_GLIDESLOPE_SCALE, {104, 54}, 0x6);
Slider glideslope_pointer = slider(BMP_DEVIATION_POINTER, {105, 77}, 0x7, {},
                                   {NAV1_GLIDESLOPE_DEVIATION, glideslope_pointer_y, 0.2}, nullptr, nullptr);
Icon glideslope_scale_cover = icon(BMP_GLIDESLOPE_COVER, {104, 54}, 0x4, 1, {0, glideslope_cover_image});
Element* group_15[] = {&glideslope_scale, &glideslope_pointer, &glideslope_scale_cover, nullptr};

namespace {
Element* root_list[] = {&background};
}

// [SECTION] Mouse areas
//
// The barometric and minimums pairs lie 83 px above the screen, the flight director switch above its
// right edge and the data page keys to its lower right, all outside the background.

namespace {
constexpr uint32_t STEP = CLICK | CLICK_STEP;
MouseArea mouse_areas[] = {
    area_parent(),
    //            x    y    w   h   cursor            click  action
    area_event(  266, -83,  8, 14, CURSOR_DECREMENT, STEP,  KEY_BAROMETRIC_DEC),     // 1
    area_event(  275, -83,  8, 14, CURSOR_INCREMENT, STEP,  KEY_BAROMETRIC_INC),     // 2
    area_handler(201, -83,  8, 14, CURSOR_DECREMENT, STEP,  minimums_down),          // 3
    area_handler(210, -83,  8, 14, CURSOR_INCREMENT, STEP,  minimums_up),            // 4
    area_handler(410, 239, 14, 11, CURSOR_ACTION,    CLICK, arm_takeoff_markers),    // 5
    area_handler(410, 266, 14, 11, CURSOR_ACTION,    CLICK, arm_approach_markers),   // 6
    area_handler(300, -58,  9,  9, CURSOR_ACTION,    CLICK, fd_switch_click),        // 7
    area_handler(318, 267,  9,  7, CURSOR_DECREMENT, STEP,  zero_fuel_weight_down),  // 8
    area_handler(328, 267,  9,  7, CURSOR_INCREMENT, STEP,  zero_fuel_weight_up),    // 9
    area_end_parent(),
    area_list_end(),
};

// [SECTION] Lifecycle and exports

const GaugeParts parts{&pfd_gauge, &background, mouse_areas, standalone, sizeof standalone / sizeof standalone[0]};
}  // namespace

}  // namespace pfd

TARVIK_STANDARD_GAUGE(pfd_gauge, "TARVIK_PFD", 156, pfd::root_list, pfd::parts)
