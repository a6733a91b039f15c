// Aircraft systems: brakes, gear, flaps and speed brakes, the fuel feed and the two engines.
//
// Engine quantities live in the table in their gauge scales; the model works in percent, degrees
// Celsius, psi and pounds per hour and converts at the edges:
//   N1, N2        16384 = 100 %            EGT           16384 = 860 degC
//   EPR           10240 = 1.0              fuel flow     pounds per hour x 2.352
//   oil pressure  16384 = 55 psi           oil temp      16384 = 140 degC
//   hydraulics    psi / 0.2573588547530964 (11656.875 = 3000 psi)
// Fuel quantities are US gallons at 6.6 pounds a gallon.
//
// [SECTION] Brakes, gear, flaps and spoilers
// [SECTION] Fuel
// [SECTION] Engines
#include <algorithm>
#include <cmath>

#include "sim/simulation.h"

namespace sim {

using namespace tarvik;

namespace {

constexpr double PCT = 16384.0 / 100.0;
constexpr double EGT_UNIT = 16384.0 / 860.0;
constexpr double EPR_UNIT = 10240.0;
constexpr double OIL_PSI_UNIT = 16384.0 / 55.0;
constexpr double OIL_DEG_UNIT = 16384.0 / 140.0;
constexpr double HYD_PSI_PER_UNIT = 0.2573588547530964;
constexpr double FUEL_FLOW_PER_PPH = 2.352;
constexpr double LB_PER_GALLON = 6.6;

// Engine schedule, percent of the rotor speeds.
constexpr double N2_IDLE = 59, N1_IDLE = 21, N1_MAX = 101;
constexpr double N2_STARTER = 26;       // where the starter alone holds the core
constexpr double N2_LIGHT_OFF = 18;     // fuel lights off from here with the starter turning
constexpr double N2_RELIGHT = 45;       // and from here without it (windmilling relight)
constexpr double N2_STARTER_CUTOUT = 50;
constexpr double LIGHT_OFF_DELAY_S = 2.0;
constexpr double REVERSE_DEMAND = 0.6;  // full reverse asks for this share of the forward range

struct EngineTokens {
    int32_t lever, fuel_control, running, starter, n2, n1, fuel_flow, anti_ice, epr, egt, oil_t, oil_p, hyd;
};
constexpr EngineTokens ENGINE_TOKENS[2] = {
    {ENGINE1_THROTTLE_LEVER, ENGINE1_FUEL_CONTROL, ENGINE1_RUNNING, ENGINE1_STARTER_SWITCH, ENGINE1_N2, ENGINE1_N1,
     ENGINE1_FUEL_FLOW, ENGINE1_ANTI_ICE, ENGINE1_PRESSURE_RATIO, ENGINE1_EGT, ENGINE1_OIL_TEMPERATURE,
     ENGINE1_OIL_PRESSURE, ENGINE1_HYDRAULIC_PRESSURE},
    {ENGINE2_THROTTLE_LEVER, ENGINE2_FUEL_CONTROL, ENGINE2_RUNNING, ENGINE2_STARTER_SWITCH, ENGINE2_N2, ENGINE2_N1,
     ENGINE2_FUEL_FLOW, ENGINE2_ANTI_ICE, ENGINE2_PRESSURE_RATIO, ENGINE2_EGT, ENGINE2_OIL_TEMPERATURE,
     ENGINE2_OIL_PRESSURE, ENGINE2_HYDRAULIC_PRESSURE},
};

// The tanks, in the order the feed works with them: left main, right main, center.
constexpr int32_t TANKS[3] = {FUEL_QUANTITY_LEFT_MAIN, FUEL_QUANTITY_RIGHT_MAIN, FUEL_QUANTITY_CENTER};

double finite_or(double v, double fallback) { return std::isfinite(v) ? v : fallback; }

// First-order approach to a target with time constant tau, at most max_rate per second.
double approach(double v, double target, double tau, double max_rate, double dt) {
    double dv = (target - v) * std::min(1.0, dt / tau);
    const double limit = max_rate * dt;
    return v + std::clamp(dv, -limit, limit);
}

double move_toward(double v, double target, double rate, double dt) {
    const double limit = rate * dt;
    return v + std::clamp(target - v, -limit, limit);
}

// N1 as the core speed drives it, and the core speed a fan speed needs.
double n1_of_n2(double n2) {
    if (n2 <= N2_IDLE) return N1_IDLE * std::pow(std::max(n2, 0.0) / N2_IDLE, 2.0);
    return N1_IDLE + (N1_MAX - N1_IDLE) * std::pow((n2 - N2_IDLE) / (100 - N2_IDLE), 1 / 0.7);
}
double n2_of_n1(double n1) { return N2_IDLE + (100 - N2_IDLE) * std::pow(std::clamp((n1 - N1_IDLE) / (N1_MAX - N1_IDLE), 0.0, 1.0), 0.7); }

// The selector's pumps: which tanks push fuel into the manifolds (7 lights every pump).
bool pumping(int32_t selector, int tank) {
    switch (tank) {
        case 0: return selector == 1 || selector == 2 || selector == 4 || selector == 7;
        case 1: return selector == 1 || selector == 3 || selector == 5 || selector == 7;
        default: return selector == 1 || selector == 6 || selector == 7;
    }
}

}  // namespace

// [SECTION] Brakes, gear, flaps and spoilers

void Simulation::update_brakes(double dt) {
    if (brake_hold_s_ > 0)
        brake_hold_s_ -= dt;
    else
        d(BRAKE_POSITION) = 0.0;
}

void Simulation::update_gear(double dt) {
    const double target = d(GEAR_HANDLE_POSITION) >= GEAR_HANDLE_DOWN / 2 ? GEAR_DOWN_LOCKED : 0.0;
    const struct {
        int32_t token;
        double travel_s;
    } legs[] = {{GEAR_POSITION_NOSE, GEAR_NOSE_TRAVEL_S}, {GEAR_POSITION_LEFT, GEAR_LEFT_TRAVEL_S}, {GEAR_POSITION_RIGHT, GEAR_RIGHT_TRAVEL_S}};
    for (auto& leg : legs)
        d(leg.token) = move_toward(finite_or(d(leg.token), target), target, GEAR_DOWN_LOCKED / leg.travel_s, dt);
}

void Simulation::update_flaps_and_spoilers(double dt) {
    const double flap_target = std::clamp(finite_or(d(FLAPS_LEVER_POSITION), 0.0), 0.0, FLAP_FULL);
    d(FLAPS_POSITION) = move_toward(finite_or(d(FLAPS_POSITION), flap_target), flap_target, FLAP_FULL / FLAP_TRAVEL_S, dt);

    const double lever = std::clamp(finite_or(d(SPOILERS_HANDLE_POSITION), 0.0), 0.0, SPOILERS_UP);
    double target = lever > SPOILERS_ARMED + 1 ? lever : 0.0;
    // Armed: the ground spoilers come up on a landing roll with the thrust levers at idle.
    const bool armed = std::fabs(lever - SPOILERS_ARMED) <= 1;
    const bool idle = d(ENGINE1_THROTTLE_LEVER) <= 0.1 * THRUST_LEVER_MAX && d(ENGINE2_THROTTLE_LEVER) <= 0.1 * THRUST_LEVER_MAX;
    if (armed && d(ON_GROUND) == 1.0 && d(AIRSPEED) > 60 && idle) target = SPOILERS_UP;
    d(SPOILERS_POSITION) = move_toward(finite_or(d(SPOILERS_POSITION), 0.0), target, SPOILERS_UP / SPOILER_TRAVEL_S, dt);
}

// [SECTION] Fuel

// Each engine draws from its own manifold: the center tank while its pumps run and it holds fuel
// (its pumps push harder than the mains'), otherwise its own main tank, and with a crossfeed valve
// open the other main tank too.
void Simulation::update_fuel_feed() {
    const int32_t selector = i(FUEL_TANK_SELECTOR);
    const bool crossfeed = i(FUEL_CROSSFEED) == 1 || i(FUEL_CROSSFEED) == 2;
    for (int e = 0; e < 2; ++e) {
        bool fed = false;
        for (int tank = 0; tank < 3; ++tank) feeds_[e][tank] = false;
        if (pumping(selector, 2) && d(TANKS[2]) > 0) {
            feeds_[e][2] = true;
        } else {
            feeds_[e][e] = pumping(selector, e) && d(TANKS[e]) > 0;
            feeds_[e][1 - e] = crossfeed && pumping(selector, 1 - e) && d(TANKS[1 - e]) > 0;
        }
        for (int tank = 0; tank < 3; ++tank) fed |= feeds_[e][tank];
        engines_[static_cast<size_t>(e)].fed = fed;
    }
}

// Burns the flow the engines report after this step from the tanks feeding them, shared equally; a
// tank that runs dry passes its share to the others. What no tank can give is not burned, and the
// engine starves at the next step.
void Simulation::burn_fuel(double dt) {
    for (int e = 0; e < 2; ++e) {
        const double pph = std::max(0.0, finite_or(d(ENGINE_TOKENS[e].fuel_flow), 0.0)) / FUEL_FLOW_PER_PPH;
        double need = pph / LB_PER_GALLON / 3600.0 * dt;
        for (int pass = 0; pass < 3 && need > 0; ++pass) {
            int sources = 0;
            for (int tank = 0; tank < 3; ++tank) sources += feeds_[e][tank] && d(TANKS[tank]) > 0;
            if (!sources) break;
            const double share = need / sources;
            for (int tank = 0; tank < 3; ++tank) {
                if (!feeds_[e][tank] || !(d(TANKS[tank]) > 0)) continue;
                const double take = std::min(share, d(TANKS[tank]));
                d(TANKS[tank]) -= take;
                need -= take;
            }
        }
        if (need > 1e-12) engines_[static_cast<size_t>(e)].fed = false;
    }
}

// [SECTION] Engines

void Simulation::update_engine(int e, double dt) {
    const EngineTokens& t = ENGINE_TOKENS[e];
    EngineInternals& in = engines_[static_cast<size_t>(e)];
    const double ambient_c = finite_or(d(TOTAL_AIR_TEMPERATURE) * 256.0, 15.0);
    const bool fuel_on = d(t.fuel_control) != 0.0;
    const int32_t starter = i(t.starter);
    double n2 = std::clamp(finite_or(d(t.n2) / PCT, 0.0), 0.0, 120.0);
    bool running = d(t.running) != 0.0;

    // Combustion: cut by the fuel control or a dry manifold; established a moment after fuel and
    // ignition meet a core turning fast enough.
    if (running && (!fuel_on || !in.fed)) running = false;
    if (!running && fuel_on && in.fed && n2 >= N2_LIGHT_OFF && (starter == 1 || n2 >= N2_RELIGHT)) {
        in.light_off_s += dt;
        if (in.light_off_s >= LIGHT_OFF_DELAY_S) running = true;
    } else {
        in.light_off_s = 0;
    }

    // Thrust demand from the lever; reverse works only with the weight on the wheels.
    const double lever = std::clamp(finite_or(d(t.lever), 0.0), THRUST_LEVER_REVERSE_MAX, THRUST_LEVER_MAX);
    double demand = lever >= 0 ? lever / THRUST_LEVER_MAX : 0.0;
    if (lever < 0 && d(ON_GROUND) == 1.0) demand = REVERSE_DEMAND * lever / THRUST_LEVER_REVERSE_MAX;
    const double n1_demand = N1_IDLE + (N1_MAX - N1_IDLE) * demand;

    if (running) {
        const double target = n2_of_n1(n1_demand);
        // Below idle the core accelerates slowly on its own fuel; above it the spool follows the lever.
        const double up_rate = n2 < N2_IDLE ? 2.2 : 6.0;
        n2 = n2 < target ? approach(n2, target, 2.5, up_rate, dt) : approach(n2, target, 2.0, 8.0, dt);
    } else if (starter == 1) {
        n2 = approach(n2, N2_STARTER, n2 < N2_STARTER ? 5.0 : 6.0, 3.0, dt);
    } else {
        n2 = approach(n2, 0.0, 6.0, 10.0, dt);
        if (n2 < 0.01) n2 = 0;
    }
    // The starter lets go once the core runs on its own.
    if (starter == 1 && n2 >= N2_STARTER_CUTOUT) put_int(t.starter, 0);

    const double n1 = n1_of_n2(n2);
    const double x = std::clamp((n1 - N1_IDLE) / (N1_MAX - N1_IDLE), 0.0, 1.0);

    double egt = finite_or(d(t.egt) / EGT_UNIT, ambient_c);
    double egt_target = ambient_c;
    if (running) {
        egt_target = n2 < N2_IDLE - 2 ? ambient_c + 520 : ambient_c + 380 + 430 * std::pow(x, 1.3);
        if (d(t.anti_ice) == 1.0) egt_target += 15;
    }
    egt = egt < egt_target ? approach(egt, egt_target, 2.5, 200, dt) : approach(egt, egt_target, running ? 8 : 25, 60, dt);

    double pph = 0;
    if (running) pph = n2 < N2_IDLE ? 700 + 300 * n2 / N2_IDLE : 1000 + 19000 * std::pow(x, 1.6);

    const double epr = 1.0 + 0.01 * std::min(1.0, n1 / N1_IDLE) * (running ? 1 : 0) + 0.58 * std::pow(x, 1.4);
    const double oil_p = approach(finite_or(d(t.oil_p) / OIL_PSI_UNIT, 0.0), 45 * std::pow(std::min(1.0, n2 / 100), 0.7), 1.0, 50, dt);
    const double oil_t_target = ambient_c + (n2 > 1 ? 40 + 55 * n2 / 100 : 0);
    const double oil_t = approach(finite_or(d(t.oil_t) / OIL_DEG_UNIT, ambient_c), oil_t_target, 120, 5, dt);
    const double hyd = approach(finite_or(d(t.hyd) * HYD_PSI_PER_UNIT, 0.0), 3000 * std::min(1.0, n2 / 20), 0.5, 6000, dt);

    d(t.running) = running ? 1.0 : 0.0;
    d(t.n2) = n2 * PCT;
    d(t.n1) = n1 * PCT;
    d(t.egt) = egt * EGT_UNIT;
    d(t.epr) = epr * EPR_UNIT;
    d(t.fuel_flow) = pph * FUEL_FLOW_PER_PPH;
    d(t.oil_p) = oil_p * OIL_PSI_UNIT;
    d(t.oil_t) = oil_t * OIL_DEG_UNIT;
    d(t.hyd) = hyd / HYD_PSI_PER_UNIT;
}

}  // namespace sim
