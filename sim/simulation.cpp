// The simulation's table of variables, its key events and the fixed step.
//
// [SECTION] Values and forms
// [SECTION] Key events
// [SECTION] Selection and tuning
// [SECTION] Step
#include "sim/simulation.h"

#include <algorithm>
#include <cmath>

#include "host/catalogue.h"
#include "sim/radio.h"
#include "tarvik/numeric.h"

namespace sim {

using namespace tarvik;

namespace {

int text_slot(int32_t token) {
    switch (token) {
        case ADF_IDENTIFIER: return 0;
        case NAV1_IDENTIFIER: return 1;
        case NAV2_IDENTIFIER: return 2;
    }
    return -1;
}

// The double for k hundredths that a gauge computing int(100 × value) reads back as k: 0.57 is
// stored as 0.56999999999999995, which would read as 56, so the value moves up by the last bits.
double hundredths_value(int k) {
    double v = k / 100.0;
    while (to_int32(v * 100.0) < k) v = std::nextafter(v, 1e9);
    return v;
}

int wrap_degrees(int deg) { return ((deg % 360) + 360) % 360; }

// Whole degrees of a heading-like value, 0 to 359.
int whole_degrees(double v) { return wrap_degrees(to_int32(std::floor(std::isfinite(v) ? v : 0.0))); }

// The next value of a step table above (dir > 0) or below the current one.
double table_step(std::span<const double> steps, double current, int dir) {
    if (dir > 0) {
        for (double s : steps)
            if (s > current + 1e-9) return s;
        return steps.back();
    }
    for (size_t k = steps.size(); k-- > 0;)
        if (steps[k] < current - 1e-9) return steps[k];
    return steps.front();
}

// Rounds a selection to the next multiple of `step` in the direction of travel, then steps: 12345 up
// by 100 gives 12400, and down 12300.
double step_to_grid(double v, double step, int dir) {
    if (!std::isfinite(v)) v = 0;
    return dir > 0 ? std::floor(v / step + 1e-9) * step + step : std::ceil(v / step - 1e-9) * step - step;
}

}  // namespace

// [SECTION] Values and forms

Simulation::Simulation() {
    set(SIM_RATE, 1.0);
    set(VIEW_ZOOM, 1.0);
    set_baro(2992);
    put_int(TRANSPONDER_CODE, 0x1200);
    put_int(ADF_FREQUENCY, 0x0344);
    put_int(COM_FREQUENCY, 0x2190);
    put_int(NAV1_FREQUENCY, 0x1090);
    put_int(NAV2_FREQUENCY, 0x1450);
    put_int(NAV1_STATION_CODE, 8);
    put_int(NAV2_STATION_CODE, 8);
    set(ON_GROUND, 1.0);
    set(GEAR_HANDLE_POSITION, GEAR_HANDLE_DOWN);
    for (int32_t t : {GEAR_POSITION_NOSE, GEAR_POSITION_LEFT, GEAR_POSITION_RIGHT}) set(t, GEAR_DOWN_LOCKED);
    set(PARKING_BRAKE, 1.0);
    set(ENGINE1_OIL_QUANTITY, 0.85 * 16384);
    set(ENGINE2_OIL_QUANTITY, 0.85 * 16384);
    set(TOTAL_AIR_TEMPERATURE, 15.0 / 256);
    set(MAX_SPEED, 330.0 * 128);
    set(AUTOPILOT_SELECTED_AIRSPEED, 250);
    set(AUTOPILOT_SELECTED_MACH, hundredths_value(78));
    set(AUTOPILOT_SELECTED_ALTITUDE, 10000);
}

TokenValue Simulation::read(int32_t token) const {
    TokenValue out{};
    if (token <= 0 || token >= MAX_TOKEN) return out;
    const int slot = text_slot(token);
    if (slot >= 0) {
        out.s = texts_[static_cast<size_t>(slot)].c_str();
        return out;
    }
    return vars_[static_cast<size_t>(token)];
}

double Simulation::get(int32_t token) const { return token > 0 && token < MAX_TOKEN ? d(token) : 0.0; }
int32_t Simulation::get_int(int32_t token) const { return token > 0 && token < MAX_TOKEN ? i(token) : 0; }

const char* Simulation::get_text(int32_t token) const {
    const int slot = text_slot(token);
    return slot >= 0 ? texts_[static_cast<size_t>(slot)].c_str() : "";
}

void Simulation::put_int(int32_t token, int32_t value) {
    TokenValue t{};
    t.i = value;
    v(token) = t;
}

void Simulation::set(int32_t token, double value) {
    if (token <= 0 || token >= MAX_TOKEN) return;
    if (token == BAROMETRIC_SETTING || token == BAROMETRIC_SETTING_HPA) {
        const double inhg = token == BAROMETRIC_SETTING ? value : value / HPA_PER_INHG;
        if (std::isfinite(inhg)) set_baro(static_cast<int>(std::lround(std::clamp(inhg, 0.0, 100.0) * 100)));
        return;
    }
    // A selected Mach given as hundredths reads back as written through int(100 × value).
    if (token == AUTOPILOT_SELECTED_MACH && std::isfinite(value) && std::fabs(value) < 100) {
        const long k = std::lround(value * 100);
        if (std::fabs(value * 100 - k) < 1e-6) value = hundredths_value(static_cast<int>(k));
    }
    TokenValue t{};
    t.d = value;
    v(token) = t;
}

void Simulation::set_int(int32_t token, int32_t value) {
    if (token > 0 && token < MAX_TOKEN) put_int(token, value);
}

void Simulation::set_text(int32_t token, std::string_view value) {
    const int slot = text_slot(token);
    if (slot >= 0) texts_[static_cast<size_t>(slot)] = value;
}

host::Status Simulation::set_by_name(std::string_view name, double value) {
    const host::VariableInfo* info = host::find_variable(name);
    if (!info) return host::Status::error("unknown variable '" + std::string(name) + "'");
    switch (info->form) {
        case VarForm::DOUBLE: set(info->token, value); break;
        case VarForm::INT32:
        case VarForm::BCD: {
            const int32_t n = to_int32(value);
            if (n == INT32_INDEFINITE || n != value)
                return host::Status::error("variable " + std::string(name) + " wants a 32-bit whole number");
            put_int(info->token, n);
            break;
        }
        case VarForm::TEXT: return host::Status::error("variable " + std::string(name) + " wants text");
    }
    return {};
}

host::Status Simulation::set_text_by_name(std::string_view name, std::string_view value) {
    const host::VariableInfo* info = host::find_variable(name);
    if (!info) return host::Status::error("unknown variable '" + std::string(name) + "'");
    if (info->form != VarForm::TEXT) return host::Status::error("variable " + std::string(name) + " wants a number");
    set_text(info->token, value);
    return {};
}

void Simulation::set_baro(int hundredths) {
    baro_hundredths_ = std::clamp(hundredths, BARO_MIN_HUNDREDTHS_INHG, BARO_MAX_HUNDREDTHS_INHG);
    TokenValue t{};
    t.d = hundredths_value(baro_hundredths_);
    v(BAROMETRIC_SETTING) = t;
    t.d = baro_hundredths_ / 100.0 * HPA_PER_INHG;
    v(BAROMETRIC_SETTING_HPA) = t;
}

void Simulation::set_flap_detent(int index) {
    index = std::clamp(index, 0, FLAP_DETENTS - 1);
    d(FLAPS_LEVER_POSITION) = index == FLAP_DETENTS - 1 ? FLAP_FULL : index * FLAP_DETENT;
}

// [SECTION] Key events

// One row per key event of the catalogue: what it does to the table. The parameter of the set events
// is the gauge's 32-bit word, read as a signed number.
struct KeyEffects {
    using Apply = void (*)(Simulation&, int32_t);
    struct Row {
        uint32_t id;
        Apply apply;
    };

    static void toggle(Simulation& s, int32_t token) { s.d(token) = s.d(token) == 0.0 ? 1.0 : 0.0; }
    static void heading_to(Simulation& s, int deg) { s.d(AUTOPILOT_SELECTED_HEADING) = wrap_degrees(deg); }
    static void course_to(Simulation& s, int deg) { s.d(NAV1_COURSE) = wrap_degrees(deg); }
    static void altitude_step(Simulation& s, int dir) {
        s.d(AUTOPILOT_SELECTED_ALTITUDE) = std::clamp(step_to_grid(s.d(AUTOPILOT_SELECTED_ALTITUDE), ALTITUDE_STEP_FT, dir),
                                                      ALTITUDE_MIN_FT, ALTITUDE_MAX_FT);
    }
    static void vs_to(Simulation& s, double fpm) { s.d(AUTOPILOT_SELECTED_VERTICAL_SPEED) = std::clamp(fpm, VS_MIN_FPM, VS_MAX_FPM); }
    static void airspeed_to(Simulation& s, double kt) {
        s.d(AUTOPILOT_SELECTED_AIRSPEED) = std::clamp(kt, AIRSPEED_MIN_KT, AIRSPEED_MAX_KT);
    }
    static void mach_step(Simulation& s, int dir) {
        const double m = s.d(AUTOPILOT_SELECTED_MACH);
        const int k = std::isfinite(m) ? static_cast<int>(std::lround(std::clamp(m, 0.0, 10.0) * 100)) : 78;
        s.d(AUTOPILOT_SELECTED_MACH) =
            hundredths_value(std::clamp(k + dir * MACH_STEP_HUNDREDTHS, MACH_MIN_HUNDREDTHS, MACH_MAX_HUNDREDTHS));
    }
    // The autothrottle holds one speed at a time; either one ends the take-off/go-around mode.
    static void speed_hold(Simulation& s, int32_t token, int32_t other, int32_t on) {
        s.d(token) = on ? 1.0 : 0.0;
        if (on) {
            s.d(other) = 0.0;
            s.d(AUTOTHROTTLE_TAKEOFF_GO_AROUND) = 0.0;
        }
    }
    static void radio_set(Simulation& s, int32_t token, int32_t p, int low, int high) {
        const uint32_t bcd = static_cast<uint32_t>(p);
        if (in_band(bcd, low, high)) s.put_int(token, static_cast<int32_t>(bcd));
    }
    static void adf_inc(Simulation& s, int place) {
        s.put_int(ADF_FREQUENCY, static_cast<int32_t>(adf_step(static_cast<uint32_t>(s.i(ADF_FREQUENCY)) & 0xFFFu, place, +1)));
    }
    static void transponder_inc(Simulation& s, int place) {
        s.put_int(TRANSPONDER_CODE,
                  static_cast<int32_t>(transponder_step(static_cast<uint32_t>(s.i(TRANSPONDER_CODE)) & 0xFFFFu, place, +1)));
    }
    static void flap_step(Simulation& s, int dir) {
        const int32_t index = to_int32(s.d(FLAPS_LEVER_POSITION) / FLAP_DETENT);
        s.set_flap_detent((index == INT32_INDEFINITE ? 0 : index) + dir);
    }
    static void baro_step(Simulation& s, int dir) { s.set_baro(s.baro_hundredths_ + dir); }
    static void spoilers_to(Simulation& s, double pos) { s.d(SPOILERS_HANDLE_POSITION) = std::clamp(pos, 0.0, SPOILERS_UP); }
    static void starter(Simulation& s, int32_t token, int32_t pos) { s.put_int(token, pos); }
    static void gear_toggle(Simulation& s) {
        const bool down = s.d(GEAR_HANDLE_POSITION) >= GEAR_HANDLE_DOWN / 2;
        // The ground lock keeps the handle down while the weight is on the wheels.
        if (down && s.d(ON_GROUND) == 1.0) return;
        s.d(GEAR_HANDLE_POSITION) = down ? 0.0 : GEAR_HANDLE_DOWN;
    }

    static constexpr Row ROWS[] = {
        {KEY_STROBE_LIGHTS_TOGGLE, [](Simulation& s, int32_t) { toggle(s, STROBE_LIGHTS); }},
        {KEY_GEAR_TOGGLE, [](Simulation& s, int32_t) { gear_toggle(s); }},
        {KEY_AUTOPILOT_TOGGLE, [](Simulation& s, int32_t) { toggle(s, AUTOPILOT_MASTER); }},
        {KEY_BRAKES_SET, [](Simulation& s, int32_t p) {
             s.d(BRAKE_POSITION) = std::clamp(static_cast<double>(p), 0.0, 16384.0);
             s.brake_hold_s_ = BRAKE_HOLD_S;
         }},
        {KEY_ADF_100_INC, [](Simulation& s, int32_t) { adf_inc(s, 2); }},
        {KEY_ADF_10_INC, [](Simulation& s, int32_t) { adf_inc(s, 1); }},
        {KEY_ADF_1_INC, [](Simulation& s, int32_t) { adf_inc(s, 0); }},
        {KEY_TRANSPONDER_1000_INC, [](Simulation& s, int32_t) { transponder_inc(s, 3); }},
        {KEY_TRANSPONDER_100_INC, [](Simulation& s, int32_t) { transponder_inc(s, 2); }},
        {KEY_TRANSPONDER_10_INC, [](Simulation& s, int32_t) { transponder_inc(s, 1); }},
        {KEY_TRANSPONDER_1_INC, [](Simulation& s, int32_t) { transponder_inc(s, 0); }},
        {KEY_VIEW_ZOOM_DEC, [](Simulation& s, int32_t) { s.d(VIEW_ZOOM) = table_step(VIEW_ZOOM_STEPS, s.d(VIEW_ZOOM), -1); }},
        {KEY_VIEW_ZOOM_INC, [](Simulation& s, int32_t) { s.d(VIEW_ZOOM) = table_step(VIEW_ZOOM_STEPS, s.d(VIEW_ZOOM), +1); }},
        {KEY_NAV1_COURSE_DEC, [](Simulation& s, int32_t) { course_to(s, whole_degrees(s.d(NAV1_COURSE)) - 1); }},
        {KEY_NAV1_COURSE_INC, [](Simulation& s, int32_t) { course_to(s, whole_degrees(s.d(NAV1_COURSE)) + 1); }},
        {KEY_THROTTLE_SET, [](Simulation& s, int32_t p) {
             const double lever = std::clamp(static_cast<double>(p), THRUST_LEVER_REVERSE_MAX, THRUST_LEVER_MAX);
             s.d(ENGINE1_THROTTLE_LEVER) = lever;
             s.d(ENGINE2_THROTTLE_LEVER) = lever;
         }},
        {KEY_COM_RADIO_SET, [](Simulation& s, int32_t p) { radio_set(s, COM_FREQUENCY, p, COM_LOW, COM_HIGH); }},
        {KEY_NAV1_RADIO_SET, [](Simulation& s, int32_t p) { radio_set(s, NAV1_FREQUENCY, p, NAV_LOW, NAV_HIGH); }},
        {KEY_NAV2_RADIO_SET, [](Simulation& s, int32_t p) { radio_set(s, NAV2_FREQUENCY, p, NAV_LOW, NAV_HIGH); }},
        // LOC arms the localizer alone, APR the localizer and the glideslope; pressing the lit one again
        // switches the approach off, pressing the other changes over.
        {KEY_AP_LOC_HOLD_TOGGLE, [](Simulation& s, int32_t) {
             const bool lit = s.d(AUTOPILOT_APPROACH_HOLD) == 1.0 && s.d(AUTOPILOT_GLIDESLOPE_HOLD) == 0.0;
             s.d(AUTOPILOT_APPROACH_HOLD) = lit ? 0.0 : 1.0;
             s.d(AUTOPILOT_GLIDESLOPE_HOLD) = 0.0;
         }},
        {KEY_AP_APR_HOLD_TOGGLE, [](Simulation& s, int32_t) {
             const bool lit = s.d(AUTOPILOT_APPROACH_HOLD) == 1.0 && s.d(AUTOPILOT_GLIDESLOPE_HOLD) == 1.0;
             s.d(AUTOPILOT_APPROACH_HOLD) = lit ? 0.0 : 1.0;
             s.d(AUTOPILOT_GLIDESLOPE_HOLD) = lit ? 0.0 : 1.0;
         }},
        {KEY_AP_NAV_HOLD_TOGGLE, [](Simulation& s, int32_t) { toggle(s, AUTOPILOT_NAV_HOLD); }},
        {KEY_TAXI_LIGHTS_TOGGLE, [](Simulation& s, int32_t) { toggle(s, TAXI_LIGHTS); }},
        {KEY_LANDING_LIGHTS_TOGGLE, [](Simulation& s, int32_t) { toggle(s, LANDING_LIGHTS); }},
        {KEY_FLAPS_INC, [](Simulation& s, int32_t) { flap_step(s, +1); }},
        {KEY_FLAPS_DEC, [](Simulation& s, int32_t) { flap_step(s, -1); }},
        {KEY_SPOILERS_SET, [](Simulation& s, int32_t p) { spoilers_to(s, p); }},
        {KEY_SIM_RATE_INC, [](Simulation& s, int32_t) { s.d(SIM_RATE) = table_step(SIM_RATE_STEPS, s.d(SIM_RATE), +1); }},
        {KEY_SIM_RATE_DEC, [](Simulation& s, int32_t) { s.d(SIM_RATE) = table_step(SIM_RATE_STEPS, s.d(SIM_RATE), -1); }},
        {KEY_YAW_DAMPER_TOGGLE, [](Simulation& s, int32_t) { toggle(s, YAW_DAMPER); }},
        {KEY_AP_HEADING_HOLD_TOGGLE, [](Simulation& s, int32_t) { toggle(s, AUTOPILOT_HEADING_HOLD); }},
        {KEY_AP_ALTITUDE_HOLD_TOGGLE, [](Simulation& s, int32_t) { toggle(s, AUTOPILOT_ALTITUDE_HOLD); }},
        {KEY_NAV1_SWITCH_TOGGLE, [](Simulation& s, int32_t) { toggle(s, NAV1_SWITCH); }},
        {KEY_NAV2_SWITCH_TOGGLE, [](Simulation& s, int32_t) { toggle(s, NAV2_SWITCH); }},
        {KEY_AP_AIRSPEED_HOLD_SET, [](Simulation& s, int32_t p) { speed_hold(s, AUTOPILOT_AIRSPEED_HOLD, AUTOPILOT_MACH_HOLD, p); }},
        {KEY_AUTOTHROTTLE_ARM_TOGGLE, [](Simulation& s, int32_t) {
             toggle(s, AUTOTHROTTLE_ARMED);
             if (s.d(AUTOTHROTTLE_ARMED) == 0.0) s.d(AUTOTHROTTLE_TAKEOFF_GO_AROUND) = 0.0;
         }},
        // The take-off/go-around switches engage the autothrottle's TO/GA mode when it is armed.
        {KEY_THRUST_LEVER_SWITCH, [](Simulation& s, int32_t) {
             if (s.d(AUTOTHROTTLE_ARMED) == 1.0) {
                 s.d(AUTOTHROTTLE_TAKEOFF_GO_AROUND) = 1.0;
                 s.d(AUTOPILOT_AIRSPEED_HOLD) = 0.0;
                 s.d(AUTOPILOT_MACH_HOLD) = 0.0;
             }
         }},
        {KEY_AP_SELECTED_HEADING_INC, [](Simulation& s, int32_t) { heading_to(s, whole_degrees(s.d(AUTOPILOT_SELECTED_HEADING)) + 1); }},
        {KEY_AP_SELECTED_HEADING_DEC, [](Simulation& s, int32_t) { heading_to(s, whole_degrees(s.d(AUTOPILOT_SELECTED_HEADING)) - 1); }},
        {KEY_BAROMETRIC_INC, [](Simulation& s, int32_t) { baro_step(s, +1); }},
        {KEY_BAROMETRIC_DEC, [](Simulation& s, int32_t) { baro_step(s, -1); }},
        {KEY_CROSSFEED_OFF, [](Simulation& s, int32_t) { s.put_int(FUEL_CROSSFEED, 0); }},
        {KEY_CROSSFEED_FWD, [](Simulation& s, int32_t) { s.put_int(FUEL_CROSSFEED, 1); }},
        {KEY_CROSSFEED_AFT, [](Simulation& s, int32_t) { s.put_int(FUEL_CROSSFEED, 2); }},
        {KEY_AP_SELECTED_ALTITUDE_INC, [](Simulation& s, int32_t) { altitude_step(s, +1); }},
        {KEY_AP_SELECTED_ALTITUDE_DEC, [](Simulation& s, int32_t) { altitude_step(s, -1); }},
        {KEY_AP_SELECTED_VERTICAL_SPEED_INC, [](Simulation& s, int32_t) {
             vs_to(s, step_to_grid(s.d(AUTOPILOT_SELECTED_VERTICAL_SPEED), VS_STEP_FPM, +1));
         }},
        {KEY_AP_SELECTED_VERTICAL_SPEED_DEC, [](Simulation& s, int32_t) {
             vs_to(s, step_to_grid(s.d(AUTOPILOT_SELECTED_VERTICAL_SPEED), VS_STEP_FPM, -1));
         }},
        {KEY_AP_SELECTED_AIRSPEED_INC, [](Simulation& s, int32_t) {
             airspeed_to(s, std::floor(s.d(AUTOPILOT_SELECTED_AIRSPEED)) + AIRSPEED_STEP_KT);
         }},
        {KEY_AP_SELECTED_AIRSPEED_DEC, [](Simulation& s, int32_t) {
             airspeed_to(s, std::ceil(s.d(AUTOPILOT_SELECTED_AIRSPEED)) - AIRSPEED_STEP_KT);
         }},
        {KEY_AP_SELECTED_MACH_INC, [](Simulation& s, int32_t) { mach_step(s, +1); }},
        {KEY_AP_SELECTED_MACH_DEC, [](Simulation& s, int32_t) { mach_step(s, -1); }},
        {KEY_AP_MACH_HOLD_SET, [](Simulation& s, int32_t p) { speed_hold(s, AUTOPILOT_MACH_HOLD, AUTOPILOT_AIRSPEED_HOLD, p); }},
        {KEY_ENGINE1_STARTER_OFF, [](Simulation& s, int32_t) { starter(s, ENGINE1_STARTER_SWITCH, 0); }},
        {KEY_ENGINE1_STARTER_START, [](Simulation& s, int32_t) { starter(s, ENGINE1_STARTER_SWITCH, 1); }},
        {KEY_ENGINE1_STARTER_GENERATOR, [](Simulation& s, int32_t) { starter(s, ENGINE1_STARTER_SWITCH, 2); }},
        {KEY_ENGINE2_STARTER_OFF, [](Simulation& s, int32_t) { starter(s, ENGINE2_STARTER_SWITCH, 0); }},
        {KEY_ENGINE2_STARTER_START, [](Simulation& s, int32_t) { starter(s, ENGINE2_STARTER_SWITCH, 1); }},
        {KEY_ENGINE2_STARTER_GENERATOR, [](Simulation& s, int32_t) { starter(s, ENGINE2_STARTER_SWITCH, 2); }},
        {KEY_FUEL_SELECTOR_OFF, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 0); }},
        {KEY_FUEL_SELECTOR_ALL, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 1); }},
        {KEY_FUEL_SELECTOR_LEFT_AFT, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 2); }},
        {KEY_FUEL_SELECTOR_RIGHT_AFT, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 3); }},
        {KEY_FUEL_SELECTOR_LEFT_FWD, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 4); }},
        {KEY_FUEL_SELECTOR_RIGHT_FWD, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 5); }},
        {KEY_FUEL_SELECTOR_CENTER, [](Simulation& s, int32_t) { s.put_int(FUEL_TANK_SELECTOR, 6); }},
        {KEY_ENGINE1_FUEL_CONTROL_RUN, [](Simulation& s, int32_t) { s.d(ENGINE1_FUEL_CONTROL) = 1.0; }},
        {KEY_ENGINE1_FUEL_CONTROL_CUTOFF, [](Simulation& s, int32_t) { s.d(ENGINE1_FUEL_CONTROL) = 0.0; }},
        {KEY_ENGINE2_FUEL_CONTROL_RUN, [](Simulation& s, int32_t) { s.d(ENGINE2_FUEL_CONTROL) = 1.0; }},
        {KEY_ENGINE2_FUEL_CONTROL_CUTOFF, [](Simulation& s, int32_t) { s.d(ENGINE2_FUEL_CONTROL) = 0.0; }},
        {KEY_ANTI_ICE_ON, [](Simulation& s, int32_t) { s.d(ENGINE1_ANTI_ICE) = s.d(ENGINE2_ANTI_ICE) = 1.0; }},
        {KEY_ANTI_ICE_OFF, [](Simulation& s, int32_t) { s.d(ENGINE1_ANTI_ICE) = s.d(ENGINE2_ANTI_ICE) = 0.0; }},
        {KEY_AP_SELECTED_VERTICAL_SPEED_SET, [](Simulation& s, int32_t p) { vs_to(s, p); }},
        {KEY_AP_SELECTED_AIRSPEED_SET, [](Simulation& s, int32_t p) { airspeed_to(s, p); }},
        {KEY_AP_SELECTED_HEADING_SET, [](Simulation& s, int32_t p) { heading_to(s, p); }},
        {KEY_SPOILERS_UP, [](Simulation& s, int32_t) { spoilers_to(s, SPOILERS_UP); }},
        {KEY_SPOILERS_DOWN, [](Simulation& s, int32_t) { spoilers_to(s, 0.0); }},
        {KEY_SPOILERS_ARM, [](Simulation& s, int32_t) { spoilers_to(s, SPOILERS_ARMED); }},
    };
};

bool handles_key_event(uint32_t id) {
    for (const auto& row : KeyEffects::ROWS)
        if (row.id == id) return true;
    return false;
}

void Simulation::key_event(uint32_t id, uint32_t parameter) {
    for (const auto& row : KeyEffects::ROWS)
        if (row.id == id) {
            row.apply(*this, static_cast<int32_t>(parameter));
            return;
        }
}

// [SECTION] Selection and tuning

void Simulation::step_selection(int dir) {
    constexpr int n = static_cast<int>(std::size(SELECTION_ORDER));
    int at = -1;
    for (int k = 0; k < n; ++k)
        if (SELECTION_ORDER[k] == selection_) at = k;
    // NONE sits between the last and the first selection.
    int next = at + (dir > 0 ? 1 : -1);
    if (at < 0) next = dir > 0 ? 0 : n - 1;
    selection_ = next < 0 || next >= n ? SELECTION_NONE : SELECTION_ORDER[next];
}

void Simulation::tune_selection(int dir) {
    dir = dir > 0 ? 1 : -1;
    auto bcd = [&](int32_t token) { return static_cast<uint32_t>(i(token)) & 0xFFFFu; };
    auto put = [&](int32_t token, uint32_t value) { put_int(token, static_cast<int32_t>(value)); };
    switch (selection_) {
        case SELECTION_VIEW_ZOOM: d(VIEW_ZOOM) = table_step(VIEW_ZOOM_STEPS, d(VIEW_ZOOM), dir); break;
        case SELECTION_COM_MHZ: put(COM_FREQUENCY, step_mhz(bcd(COM_FREQUENCY), dir, COM_LOW, COM_HIGH)); break;
        case SELECTION_COM_KHZ: put(COM_FREQUENCY, step_channel(bcd(COM_FREQUENCY), dir)); break;
        case SELECTION_NAV1_MHZ: put(NAV1_FREQUENCY, step_mhz(bcd(NAV1_FREQUENCY), dir, NAV_LOW, NAV_HIGH)); break;
        case SELECTION_NAV1_KHZ: put(NAV1_FREQUENCY, step_channel(bcd(NAV1_FREQUENCY), dir)); break;
        case SELECTION_NAV2_MHZ: put(NAV2_FREQUENCY, step_mhz(bcd(NAV2_FREQUENCY), dir, NAV_LOW, NAV_HIGH)); break;
        case SELECTION_NAV2_KHZ: put(NAV2_FREQUENCY, step_channel(bcd(NAV2_FREQUENCY), dir)); break;
        case SELECTION_TRANSPONDER_1000: put(TRANSPONDER_CODE, transponder_step(bcd(TRANSPONDER_CODE), 3, dir)); break;
        case SELECTION_TRANSPONDER_100: put(TRANSPONDER_CODE, transponder_step(bcd(TRANSPONDER_CODE), 2, dir)); break;
        case SELECTION_TRANSPONDER_10: put(TRANSPONDER_CODE, transponder_step(bcd(TRANSPONDER_CODE), 1, dir)); break;
        case SELECTION_TRANSPONDER_1: put(TRANSPONDER_CODE, transponder_step(bcd(TRANSPONDER_CODE), 0, dir)); break;
        case SELECTION_NAV1_COURSE: d(NAV1_COURSE) = wrap_degrees(whole_degrees(d(NAV1_COURSE)) + dir); break;
        case SELECTION_ADF_100: put(ADF_FREQUENCY, adf_step(bcd(ADF_FREQUENCY) & 0xFFFu, 2, dir)); break;
        case SELECTION_ADF_10: put(ADF_FREQUENCY, adf_step(bcd(ADF_FREQUENCY) & 0xFFFu, 1, dir)); break;
        case SELECTION_ADF_1: put(ADF_FREQUENCY, adf_step(bcd(ADF_FREQUENCY) & 0xFFFu, 0, dir)); break;
        case SELECTION_SIM_RATE: d(SIM_RATE) = table_step(SIM_RATE_STEPS, d(SIM_RATE), dir); break;
        default: break;
    }
}

// [SECTION] Step

void Simulation::step() {
    const double dt = STEP_S;
    update_brakes(dt);
    update_gear(dt);
    update_flaps_and_spoilers(dt);
    update_fuel_feed();
    update_engine(0, dt);
    update_engine(1, dt);
    burn_fuel(dt);
    ++steps_;
    // Two steps make one host tick.
    if (steps_ % 2 == 0) d(TICK_COUNTER) += 1.0;
}

void Simulation::run_for(double seconds) {
    if (!(seconds > 0)) return;
    const auto n = static_cast<uint64_t>(std::llround(std::min(seconds, 1e7) / STEP_S));
    for (uint64_t k = 0; k < n; ++k) step();
}

void Simulation::advance(double seconds) {
    const double rate = d(SIM_RATE);
    if (!(seconds > 0) || !(rate > 0) || !std::isfinite(seconds * rate)) return;
    // A caller that stalls (a debugger, a slow disk) must not make the simulation run for hours.
    pending_s_ += std::min(seconds * rate, 60.0);
    while (pending_s_ >= STEP_S) {
        pending_s_ -= STEP_S;
        step();
    }
}

}  // namespace sim
