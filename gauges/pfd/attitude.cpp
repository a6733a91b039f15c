// Attitude group: sphere pitch, bank pointer, flight director bars and switch.
//
// Inputs:  PITCH_ATTITUDE, BANK_ANGLE, AUTOPILOT_SELECTED_HEADING (degrees, element sources);
//          BANK_ATTITUDE, ON_GROUND (standalone); pfd_heading, pfd_airspeed, selected_airspeed
//          (written later in the walk, so read from the previous frame).
// Outputs: element values; flight_director_on (mouse area 7).
#include "pfd.h"

namespace pfd {

// The sphere stops at the 45-degree position; the host shifts it 1.5 px per degree.
double attitude_pitch(TokenVar* pitch) { return clamp(pitch->value.d, -45.0, 45.0); }

// The pointer's dial table ends at 60 degrees either side.
double bank_pointer_angle(TokenVar* bank) { return clamp(bank->value.d, -60.0, 60.0); }

double fd_pitch_bar_y(TokenVar* pitch) {
    if (flight_director_on == 0.0) {
        hide(fd_pitch_bar);
        return 0;
    }
    show(fd_pitch_bar);
    // On the ground the bar stands on the aircraft symbol at the take-off attitude (pitch value -8).
    if (on_ground.value.d == 1.0) return (pitch->value.d + 8.0) * -1.625;
    if (selected_airspeed == 0.0) return 0;
    // Above the selected speed the bar rises (at most 13 px); below it, it sinks at most 3 px.
    return clamp((selected_airspeed - pfd_airspeed) * 0.2, -13.0, 3.0);
}

double fd_roll_bar_x(TokenVar* selected_heading) {
    director_bank = bank_attitude.value.d;
    if (bank_attitude.value.d > 180.0) director_bank = bank_attitude.value.d - 360.0;
    double error = pfd_heading - selected_heading->value.d;
    if (error > 180.0) error -= 360.0;
    if (error < -180.0) error += 360.0;
    const double commanded_bank = clamp(1.7 * error, -23.0, 23.0);
    // A bank error of 23 degrees moves the bar 12 px.
    const double x = (commanded_bank - director_bank) * (-12.0 / 23.0);
    if (flight_director_on == 0.0) {
        hide(fd_roll_bar);
        return 0;
    }
    show(fd_roll_bar);
    return clamp(x, -12.0, 12.0);
}

double fd_switch_image(TokenVar*) { return flight_director_on; }

int32_t fd_switch_click(PixelPoint*, uint32_t) {
    flight_director_on = flight_director_on == 0.0 ? 1.0 : 0.0;
    return 1;
}

}  // namespace pfd
