// The built-in simulation: one aircraft advanced by a fixed time step, read by the host as its
// variables and driven by the host's key events.
//
// Every host variable is held in the form the gauges read it (doubles, 32-bit integers, BCD digits,
// text pointers), in one table indexed by token. The systems read and write that table directly, so a
// state file or a scenario may override any variable and the systems carry on from the new value.
// Texts point at strings the simulation owns; they stay valid until the same variable changes.
//
// Time: the fixed step is half a host tick (the host ticks 1193182/65536 = 18.2065 times per
// simulated second); SIM_RATE scales how much simulated time one second of the caller's time is.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/status.h"
#include "host/variables.h"
#include "tarvik/gauge.h"
#include "tarvik/selection.h"
#include "tarvik/vars.h"

namespace sim {

constexpr double TICK_HZ = 1193182.0 / 65536.0;
constexpr double STEP_S = 0.5 / TICK_HZ;

// Host-side step sizes and limits of the step and set events.
constexpr double ALTITUDE_STEP_FT = 100, ALTITUDE_MIN_FT = 0, ALTITUDE_MAX_FT = 50000;
constexpr double VS_STEP_FPM = 100, VS_MIN_FPM = -9900, VS_MAX_FPM = 9900;
constexpr double AIRSPEED_STEP_KT = 1, AIRSPEED_MIN_KT = 100, AIRSPEED_MAX_KT = 399;
constexpr int MACH_STEP_HUNDREDTHS = 1, MACH_MIN_HUNDREDTHS = 40, MACH_MAX_HUNDREDTHS = 95;
constexpr int BARO_MIN_HUNDREDTHS_INHG = 2800, BARO_MAX_HUNDREDTHS_INHG = 3150;  // steps of 0.01 inHg
constexpr double HPA_PER_INHG = 33.8639;

// Lever positions (0..16384 scales of the catalogue).
constexpr double GEAR_HANDLE_DOWN = 16384, GEAR_DOWN_LOCKED = 16383;
constexpr double FLAP_DETENT = 2046, FLAP_FULL = 16383;
constexpr int FLAP_DETENTS = 9;
constexpr double SPOILERS_ARMED = 5790, SPOILERS_FLIGHT_DETENT = 9462, SPOILERS_UP = 16384;
constexpr double THRUST_LEVER_MAX = 16384, THRUST_LEVER_REVERSE_MAX = -4096;

// Travel times of the moving parts, seconds for the full range.
constexpr double GEAR_NOSE_TRAVEL_S = 7.5, GEAR_LEFT_TRAVEL_S = 8.5, GEAR_RIGHT_TRAVEL_S = 9.0;
constexpr double FLAP_TRAVEL_S = 40, SPOILER_TRAVEL_S = 1.5;
// How long one KEY_BRAKES_SET holds the brakes: the autobrake repeats it on every update.
constexpr double BRAKE_HOLD_S = 0.3;

// Zoom and simulation rate steps; a value between two steps moves to the next one in the direction
// asked.
constexpr double VIEW_ZOOM_STEPS[] = {0.25, 0.50, 0.75, 1.00, 1.50, 2.00, 3.00, 4.00, 6.00, 8.00, 16.00};
constexpr double SIM_RATE_STEPS[] = {0.25, 0.50, 1.00, 2.00, 4.00, 8.00, 16.00, 32.00, 64.00, 128.00};

// The radio selections in the order the viewer's keys step through them.
constexpr tarvik::Selection SELECTION_ORDER[] = {
    tarvik::SELECTION_COM_MHZ,          tarvik::SELECTION_COM_KHZ,         tarvik::SELECTION_NAV1_MHZ,
    tarvik::SELECTION_NAV1_KHZ,         tarvik::SELECTION_NAV2_MHZ,        tarvik::SELECTION_NAV2_KHZ,
    tarvik::SELECTION_TRANSPONDER_1000, tarvik::SELECTION_TRANSPONDER_100, tarvik::SELECTION_TRANSPONDER_10,
    tarvik::SELECTION_TRANSPONDER_1,    tarvik::SELECTION_NAV1_COURSE,     tarvik::SELECTION_ADF_100,
    tarvik::SELECTION_ADF_10,           tarvik::SELECTION_ADF_1,           tarvik::SELECTION_SIM_RATE,
    tarvik::SELECTION_VIEW_ZOOM,
};

constexpr int MAX_TOKEN = 400;

// One engine's quantities that are not host variables.
struct EngineInternals {
    double light_off_s = 0;  // time with fuel and ignition before combustion is established
    bool fed = true;         // the fuel system reached the engine at the last step
};

// True when the simulation gives the key event an effect (every event of the catalogue has one).
bool handles_key_event(uint32_t id);

class Simulation : public host::VariableSource, public host::KeySink {
public:
    Simulation();

    // host::VariableSource, host::KeySink
    tarvik::TokenValue read(int32_t token) const override;
    void key_event(uint32_t id, uint32_t parameter) override;

    // One fixed step of STEP_S simulated seconds.
    void step();
    // Runs whole steps for `seconds` of simulated time (rounded to the nearest step).
    void run_for(double seconds);
    // Advances by `seconds` of the caller's time, scaled by SIM_RATE; the remainder below one step is
    // kept for the next call, so the result depends only on the sum of the times handed in.
    void advance(double seconds);
    double time_s() const { return steps_ * STEP_S; }
    uint64_t steps() const { return steps_; }

    // Direct access to the table, for state files, scenarios and tests. Setting a text copies it.
    double get(int32_t token) const;
    int32_t get_int(int32_t token) const;
    const char* get_text(int32_t token) const;
    void set(int32_t token, double v);
    void set_int(int32_t token, int32_t v);
    void set_text(int32_t token, std::string_view v);
    // By catalogue name; the value is converted to the variable's form (doubles truncate toward zero
    // through to_int32 for integer forms). An unknown name or an unusable value is an error.
    host::Status set_by_name(std::string_view name, double v);
    host::Status set_text_by_name(std::string_view name, std::string_view v);

    // The host's current radio selection (a tarvik::Selection code, 0 for none) and the viewer's keys:
    // step to the next or previous selection, and tune the selected item one step up or down.
    int32_t selection() const { return selection_; }
    void set_selection(int32_t code) { selection_ = code; }
    void step_selection(int dir);
    void tune_selection(int dir);

    // The barometric setting in hundredths of an inch: the one number both setting variables derive from.
    int baro_hundredths() const { return baro_hundredths_; }

private:
    friend struct KeyEffects;

    tarvik::TokenValue& v(int32_t token) { return vars_[static_cast<size_t>(token)]; }
    double& d(int32_t token) { return vars_[static_cast<size_t>(token)].d; }
    double d(int32_t token) const { return vars_[static_cast<size_t>(token)].d; }
    int32_t i(int32_t token) const { return vars_[static_cast<size_t>(token)].i; }
    void put_int(int32_t token, int32_t value);

    void set_baro(int hundredths);
    void set_flap_detent(int index);

    void update_brakes(double dt);
    void update_gear(double dt);
    void update_flaps_and_spoilers(double dt);
    void update_fuel_feed();
    void update_engine(int e, double dt);
    void burn_fuel(double dt);

    std::array<tarvik::TokenValue, MAX_TOKEN> vars_{};
    std::array<std::string, 3> texts_;  // ADF, NAV 1 and NAV 2 identifiers
    std::array<EngineInternals, 2> engines_{};
    bool feeds_[2][3] = {};  // which tanks (left main, right main, center) feed each engine
    uint64_t steps_ = 0;
    double pending_s_ = 0;
    double brake_hold_s_ = 0;
    int baro_hundredths_ = 2992;
    int32_t selection_ = tarvik::SELECTION_NONE;
};

}  // namespace sim
