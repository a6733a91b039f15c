// The flight display's bitmaps, one drawing routine each, and the geometry several of them share.
#pragma once

#include <string_view>

#include "art_util.h"

namespace pfd_art {

// Where the fixed art lies on the screen, in gauge pixels. The sphere's mask, the tape masks and the
// rose's mask repeat the background's art inside their windows, since they are drawn over it.
constexpr int SYMBOL_X = 68, SYMBOL_Y = 79;                 // the aircraft symbol's centre dot
constexpr int SPHERE_MASK_X = 33, SPHERE_MASK_Y = 40;
constexpr int SPEED_TAPE_X = 2, TAPE_Y = 25;
constexpr int ALTITUDE_TAPE_X = 112;
constexpr int ROSE_MASK_X = 19, ROSE_MASK_Y = 136;
constexpr int SPEED_BOX_X0 = 2, SPEED_BOX_X1 = 20;          // readout boxes, outline inclusive
constexpr int ALTITUDE_BOX_X0 = 112, ALTITUDE_BOX_X1 = 143;
constexpr int BOX_Y0 = 71, BOX_Y1 = 86;

// Fixed art drawn with its gauge origin at (-ox, -oy), so a mask can draw its share of the screen.
void draw_attitude_frame(Canvas& c, int ox, int oy);
void draw_speed_box(Canvas& c, int ox, int oy);
void draw_altitude_box(Canvas& c, int ox, int oy);
void draw_heading_pointer_and_mag(Canvas& c, int ox, int oy);

// Screen and data page (art_screen.cpp)
Canvas background();
Canvas data_page();
Canvas marker_beacon(int k);
Canvas mode_word(int width, std::string_view word, Colour colour);
Canvas minimums_label(Colour colour);
Canvas dme_label(bool lit);
Canvas fd_pitch_bar();
Canvas fd_roll_bar();
Canvas fd_switch(bool on);
Canvas localizer_scale(bool expanded);
Canvas localizer_cover();
Canvas glideslope_scale();
Canvas glideslope_cover();
Canvas deviation_pointer();
Canvas to_from(bool from);
Canvas bank_pointer();

// Attitude sphere and heading card (art_sphere.cpp)
Canvas attitude_texture();
Canvas attitude_mask();
Canvas heading_card();
Canvas heading_mask();

// Tapes, drums, bands, markers and the vertical speed pointer (art_tapes.cpp)
Canvas speed_tape();
Canvas speed_tape_mask();
Canvas speed_drum();
Canvas speed_drum_mask();
Canvas overspeed_band();
Canvas minimum_speed_band();
Canvas open_mask(int width, int height);
Canvas takeoff_markers();
Canvas approach_markers();
Canvas altitude_tape();
Canvas altitude_tape_mask();
Canvas altitude_drum();
Canvas altitude_drum_mask();
Canvas ten_thousands_hatch();
Canvas vertical_speed_pointer(int k);
Canvas selected_vs_marker();

}  // namespace pfd_art
