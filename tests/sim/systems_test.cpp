// Aircraft systems over simulated time: gear and flap travel, engine start and shutdown, fuel burn,
// brakes and spoilers, time and determinism. No test waits in real time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "sim/simulation.h"
#include "sim/state_file.h"

namespace {

using namespace tarvik;
using sim::Simulation;

constexpr double PCT = 16384.0 / 100.0;

Simulation from_state(const char* name) {
    Simulation s;
    auto st = sim::load_state(s, sim::states_folder() / name);
    EXPECT_TRUE(st) << st.message;
    return s;
}

// Runs step by step, calling `each` after every step.
template <typename F>
void run(Simulation& s, double seconds, F each) {
    const int n = static_cast<int>(std::lround(seconds / sim::STEP_S));
    for (int k = 0; k < n; ++k) {
        s.step();
        each();
    }
}

TEST(SimGear, LegsTravelOverSecondsAndStopExactlyAtTheEnds) {
    Simulation s;
    s.set(ON_GROUND, 0);
    s.key_event(KEY_GEAR_TOGGLE, 0);
    ASSERT_EQ(s.get(GEAR_HANDLE_POSITION), 0);
    s.run_for(2.0);
    for (int32_t leg : {GEAR_POSITION_NOSE, GEAR_POSITION_LEFT, GEAR_POSITION_RIGHT}) {
        EXPECT_GT(s.get(leg), 0) << "not instant";
        EXPECT_LT(s.get(leg), 16383);
    }
    s.run_for(10.0);
    for (int32_t leg : {GEAR_POSITION_NOSE, GEAR_POSITION_LEFT, GEAR_POSITION_RIGHT}) EXPECT_EQ(s.get(leg), 0.0);

    s.key_event(KEY_GEAR_TOGGLE, 0);
    EXPECT_EQ(s.get(GEAR_HANDLE_POSITION), 16384);
    double highest = 0;
    run(s, 12.0, [&] {
        for (int32_t leg : {GEAR_POSITION_NOSE, GEAR_POSITION_LEFT, GEAR_POSITION_RIGHT}) highest = std::max(highest, s.get(leg));
    });
    for (int32_t leg : {GEAR_POSITION_NOSE, GEAR_POSITION_LEFT, GEAR_POSITION_RIGHT}) EXPECT_EQ(s.get(leg), 16383.0);
    EXPECT_EQ(highest, 16383.0) << "down and locked is 16383, never beyond";
}

TEST(SimFlaps, SurfaceFollowsTheLeverToExactlyFullAndUp) {
    Simulation s;
    for (int k = 0; k < 8; ++k) s.key_event(KEY_FLAPS_INC, 0);
    ASSERT_EQ(s.get(FLAPS_LEVER_POSITION), 16383);
    s.run_for(5.0);
    EXPECT_GT(s.get(FLAPS_POSITION), 0);
    EXPECT_LT(s.get(FLAPS_POSITION), 4000);
    s.run_for(40.0);
    EXPECT_EQ(s.get(FLAPS_POSITION), 16383.0);
    for (int k = 0; k < 8; ++k) s.key_event(KEY_FLAPS_DEC, 0);
    s.run_for(45.0);
    EXPECT_EQ(s.get(FLAPS_POSITION), 0.0);
}

TEST(SimSpoilers, GroundSpoilersDeployOnlyOnALandingRollWhenArmed) {
    struct Case {
        const char* what;
        double lever, on_ground, airspeed, thrust, surface;
    } cases[] = {
        {"armed, landing roll at idle", sim::SPOILERS_ARMED, 1, 120, 0, 16384},
        {"armed, airborne", sim::SPOILERS_ARMED, 0, 140, 0, 0},
        {"armed, taking off", sim::SPOILERS_ARMED, 1, 120, 16000, 0},
        {"armed, at the gate", sim::SPOILERS_ARMED, 1, 0, 0, 0},
        {"flight detent", sim::SPOILERS_FLIGHT_DETENT, 0, 250, 0, sim::SPOILERS_FLIGHT_DETENT},
        {"down", 0, 1, 120, 0, 0},
    };
    for (auto& c : cases) {
        Simulation s;
        s.set(SPOILERS_HANDLE_POSITION, c.lever);
        s.set(ON_GROUND, c.on_ground);
        s.set(AIRSPEED, c.airspeed);
        s.set(ENGINE1_THROTTLE_LEVER, c.thrust);
        s.set(ENGINE2_THROTTLE_LEVER, c.thrust);
        s.run_for(0.5);
        if (c.surface > 0) {
            EXPECT_LT(s.get(SPOILERS_POSITION), c.surface) << c.what << ": not instant";
        }
        s.run_for(2.0);
        EXPECT_EQ(s.get(SPOILERS_POSITION), c.surface) << c.what;
    }
}

TEST(SimBrakes, BrakesHoldWhileTheEventRepeatsAndReleaseAfter) {
    Simulation s;
    run(s, 2.0, [&] { s.key_event(KEY_BRAKES_SET, 8000); });
    EXPECT_EQ(s.get(BRAKE_POSITION), 8000);
    s.run_for(0.2);
    EXPECT_EQ(s.get(BRAKE_POSITION), 8000);
    s.run_for(0.3);
    EXPECT_EQ(s.get(BRAKE_POSITION), 0);
}

TEST(SimEngines, StartFromColdToIdleThenShutDown) {
    Simulation s = from_state("cold_and_dark.toml");
    ASSERT_EQ(s.get(ENGINE1_RUNNING), 0);
    s.key_event(KEY_FUEL_SELECTOR_ALL, 1);
    s.key_event(KEY_ENGINE1_STARTER_START, 0);
    s.run_for(15.0);
    // Dry motoring: the starter turns the core, nothing burns.
    EXPECT_GT(s.get(ENGINE1_N2), 18 * PCT);
    EXPECT_LT(s.get(ENGINE1_N2), 30 * PCT);
    EXPECT_EQ(s.get(ENGINE1_RUNNING), 0);
    EXPECT_EQ(s.get(ENGINE1_FUEL_FLOW), 0);
    EXPECT_EQ(s.get(ENGINE2_N2), 0) << "the other engine stays still";

    s.key_event(KEY_ENGINE1_FUEL_CONTROL_RUN, 0);
    double lit_at = -1, egt_peak = 0;
    const double t0 = s.time_s();
    run(s, 60.0, [&] {
        if (lit_at < 0 && s.get(ENGINE1_RUNNING) == 1.0) lit_at = s.time_s() - t0;
        egt_peak = std::max(egt_peak, s.get(ENGINE1_EGT) * 860 / 16384);
    });
    EXPECT_GT(lit_at, 1.0) << "light-off takes a moment";
    EXPECT_LT(lit_at, 5.0);
    EXPECT_GT(egt_peak, 450) << "the start peak";
    EXPECT_NEAR(s.get(ENGINE1_N2) / PCT, 59, 1);
    EXPECT_NEAR(s.get(ENGINE1_N1) / PCT, 21, 1);
    const double egt = s.get(ENGINE1_EGT) * 860 / 16384;
    EXPECT_GT(egt, 350);
    EXPECT_LT(egt, egt_peak);
    EXPECT_NEAR(s.get(ENGINE1_FUEL_FLOW) / 2.352, 1000, 50);
    EXPECT_GT(s.get(ENGINE1_OIL_PRESSURE), 3000) << "above the low-pressure message";
    EXPECT_NEAR(s.get(ENGINE1_HYDRAULIC_PRESSURE) * 0.2573588547530964, 3000, 1);
    EXPECT_GT(s.get(ENGINE1_PRESSURE_RATIO), 10240);
    EXPECT_EQ(s.get_int(ENGINE1_STARTER_SWITCH), 0) << "the starter lets go at cut-out";
    EXPECT_GT(s.get(ENGINE1_OIL_TEMPERATURE), s.get(ENGINE2_OIL_TEMPERATURE));

    s.key_event(KEY_ENGINE1_FUEL_CONTROL_CUTOFF, 0);
    s.step();
    EXPECT_EQ(s.get(ENGINE1_RUNNING), 0);
    EXPECT_EQ(s.get(ENGINE1_FUEL_FLOW), 0);
    s.run_for(60.0);
    EXPECT_LT(s.get(ENGINE1_N2), 1 * PCT);
    EXPECT_LT(s.get(ENGINE1_OIL_PRESSURE), 3000);
    EXPECT_LT(s.get(ENGINE1_HYDRAULIC_PRESSURE) * 0.2573588547530964, 200);
}

TEST(SimEngines, NoFuelNoLightOff) {
    Simulation s = from_state("cold_and_dark.toml");  // fuel selector off: no pump runs
    s.key_event(KEY_ENGINE2_STARTER_START, 0);
    s.key_event(KEY_ENGINE2_FUEL_CONTROL_RUN, 0);
    s.run_for(60.0);
    EXPECT_EQ(s.get(ENGINE2_RUNNING), 0);
    EXPECT_EQ(s.get(ENGINE2_FUEL_FLOW), 0);
}

TEST(SimEngines, ThrustFollowsTheLeversAndReverseNeedsTheGround) {
    struct Case {
        const char* what;
        uint32_t lever_word;
        double on_ground, n1_low, n1_high;
    } cases[] = {
        {"full forward", 16384, 1, 98, 102},
        {"half forward", 8192, 1, 55, 65},
        {"full reverse on the ground", static_cast<uint32_t>(-4096), 1, 65, 72},
        {"reverse in the air stays at idle", static_cast<uint32_t>(-4096), 0, 20, 22},
    };
    for (auto& c : cases) {
        Simulation s = from_state("ready_for_takeoff.toml");
        s.set(ON_GROUND, c.on_ground);
        s.key_event(KEY_THROTTLE_SET, c.lever_word);
        s.run_for(1.0);
        if (c.n1_low > 30) {
            EXPECT_LT(s.get(ENGINE1_N1) / PCT, c.n1_low) << c.what << ": spools, not instant";
        }
        s.run_for(30.0);
        EXPECT_GE(s.get(ENGINE1_N1) / PCT, c.n1_low) << c.what;
        EXPECT_LE(s.get(ENGINE1_N1) / PCT, c.n1_high) << c.what;
        EXPECT_LT(s.get(ENGINE1_EGT), 16384) << c.what << ": below the EGT limit";
        EXPECT_EQ(s.get(ENGINE1_N1), s.get(ENGINE2_N1)) << c.what;
    }
}

// Fuel burns by the flow the engines report, from the tanks the selector and crossfeed connect; the
// fuel that leaves the tanks is exactly the fuel burned.
TEST(SimFuel, BurnConservesMassAcrossSelectorAndCrossfeed) {
    struct Case {
        const char* what;
        int32_t selector, crossfeed;
        double center;
        bool left_burns, right_burns, center_burns, engine2_runs;
    } cases[] = {
        {"all, center first", 1, 0, 2000, false, false, true, true},
        {"all, center empty", 1, 0, 0, true, true, false, true},
        {"center pumps", 6, 0, 2000, false, false, true, true},
        {"left aft alone starves engine 2", 2, 0, 0, true, false, false, false},
        {"left aft with crossfeed feeds both", 2, 1, 0, true, false, false, true},
        {"right forward with aft crossfeed", 5, 2, 0, false, true, false, true},
        {"left pump with center fuel unpumped", 4, 0, 2000, true, false, false, false},
    };
    for (auto& c : cases) {
        Simulation s = from_state("ready_for_takeoff.toml");
        s.set_int(FUEL_TANK_SELECTOR, c.selector);
        s.set_int(FUEL_CROSSFEED, c.crossfeed);
        s.set(FUEL_QUANTITY_CENTER, c.center);
        s.key_event(KEY_THROTTLE_SET, 12000);
        const double left0 = s.get(FUEL_QUANTITY_LEFT_MAIN), right0 = s.get(FUEL_QUANTITY_RIGHT_MAIN);
        const double total0 = left0 + right0 + c.center;
        double burned = 0;
        run(s, 120.0, [&] {
            burned += (s.get(ENGINE1_FUEL_FLOW) + s.get(ENGINE2_FUEL_FLOW)) / 2.352 / 6.6 / 3600 * sim::STEP_S;
        });
        const double total = s.get(FUEL_QUANTITY_LEFT_MAIN) + s.get(FUEL_QUANTITY_RIGHT_MAIN) + s.get(FUEL_QUANTITY_CENTER);
        EXPECT_GT(burned, 10) << c.what;
        EXPECT_NEAR(total0 - total, burned, 1e-9 * total0) << c.what;
        EXPECT_EQ(s.get(FUEL_QUANTITY_LEFT_MAIN) < left0, c.left_burns) << c.what;
        EXPECT_EQ(s.get(FUEL_QUANTITY_RIGHT_MAIN) < right0, c.right_burns) << c.what;
        EXPECT_EQ(s.get(FUEL_QUANTITY_CENTER) < c.center, c.center_burns) << c.what;
        EXPECT_EQ(s.get(ENGINE2_RUNNING) == 1.0, c.engine2_runs) << c.what;
        EXPECT_EQ(s.get(ENGINE1_RUNNING), 1.0) << c.what;
    }
}

TEST(SimFuel, ATankRunsDryToExactlyZeroAndTheEnginesStop) {
    Simulation s = from_state("ready_for_takeoff.toml");
    s.set_int(FUEL_TANK_SELECTOR, 2);
    s.set_int(FUEL_CROSSFEED, 1);
    s.set(FUEL_QUANTITY_CENTER, 0);
    s.set(FUEL_QUANTITY_LEFT_MAIN, 1.0);
    const double right0 = s.get(FUEL_QUANTITY_RIGHT_MAIN);
    s.run_for(60.0);
    EXPECT_EQ(s.get(FUEL_QUANTITY_LEFT_MAIN), 0.0);
    EXPECT_EQ(s.get(FUEL_QUANTITY_RIGHT_MAIN), right0) << "its pumps are off";
    EXPECT_EQ(s.get(ENGINE1_RUNNING), 0);
    EXPECT_EQ(s.get(ENGINE2_RUNNING), 0);
}

TEST(SimTime, TickCounterAndSimRate) {
    Simulation s;
    s.run_for(10.0);
    EXPECT_EQ(s.get(TICK_COUNTER), std::floor(10.0 * sim::TICK_HZ));

    Simulation a, b;
    a.set(SIM_RATE, 4.0);
    b.set(SIM_RATE, 4.0);
    a.advance(1.0);
    for (int k = 0; k < 50; ++k) b.advance(0.02);
    EXPECT_NEAR(a.time_s(), 4.0, sim::STEP_S);
    EXPECT_EQ(a.steps(), b.steps());
    s.set(SIM_RATE, 0.25);
    const uint64_t before = s.steps();
    s.advance(1.0);
    EXPECT_NEAR((s.steps() - before) * sim::STEP_S, 0.25, sim::STEP_S);
}

// Two runs with the same inputs give the same variable table at every step, bit for bit.
TEST(SimDeterminism, SameInputsSameHistory) {
    auto history = [] {
        Simulation s = from_state("cold_and_dark.toml");
        std::vector<unsigned char> bytes;
        const std::pair<int, uint32_t> inputs[] = {
            {10, KEY_FUEL_SELECTOR_ALL},   {20, KEY_ENGINE1_STARTER_START},   {400, KEY_ENGINE1_FUEL_CONTROL_RUN},
            {500, KEY_ENGINE2_STARTER_START}, {900, KEY_ENGINE2_FUEL_CONTROL_RUN}, {2000, KEY_FLAPS_INC},
            {2100, KEY_CROSSFEED_FWD},     {2500, KEY_THROTTLE_SET},
        };
        for (int k = 0; k < 3000; ++k) {
            for (auto [at, key] : inputs)
                if (at == k) s.key_event(key, key == KEY_THROTTLE_SET ? 9000 : 1);
            s.step();
            for (int32_t t = 1; t < sim::MAX_TOKEN; ++t) {
                const tarvik::TokenValue v = s.read(t);
                if (t == ADF_IDENTIFIER || t == NAV1_IDENTIFIER || t == NAV2_IDENTIFIER) continue;
                bytes.insert(bytes.end(), v.bytes, v.bytes + 8);
            }
        }
        return bytes;
    };
    const auto a = history(), b = history();
    ASSERT_EQ(a.size(), b.size());
    EXPECT_TRUE(a == b);
}

}  // namespace
