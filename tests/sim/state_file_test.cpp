// Initial states from TOML: the shipped states, every form of value, and the errors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "sim/simulation.h"
#include "sim/state_file.h"

namespace {

using namespace tarvik;
using sim::Simulation;

TEST(SimStateFile, ShippedStatesLoad) {
    for (const char* name : {"cold_and_dark.toml", "ready_for_takeoff.toml", "cruise.toml"}) {
        Simulation s;
        auto st = sim::load_state(s, sim::states_folder() / name);
        EXPECT_TRUE(st) << name << ": " << st.message;
    }
    Simulation s;
    ASSERT_TRUE(sim::load_state(s, sim::states_folder() / "cruise.toml"));
    EXPECT_EQ(s.get(ON_GROUND), 0);
    EXPECT_EQ(s.get(GEAR_POSITION_NOSE), 0);
    EXPECT_EQ(s.get_int(NAV1_FREQUENCY), 0x1090);
}

TEST(SimStateFile, EveryFormOfValue) {
    Simulation s;
    auto st = sim::apply_state(s, R"(
description = "forms"
[variables]
AIRSPEED = 251.5
ON_GROUND = true
FUEL_TANK_SELECTOR = 6
TRANSPONDER_CODE = 0x7700
COM_FREQUENCY = "136.97"
NAV2_FREQUENCY = 0x1450
NAV1_IDENTIFIER = "ITV"
BAROMETRIC_SETTING_HPA = 1000
)", "forms.toml");
    ASSERT_TRUE(st) << st.message;
    EXPECT_EQ(s.get(AIRSPEED), 251.5);
    EXPECT_EQ(s.get(ON_GROUND), 1.0);
    EXPECT_EQ(s.get_int(FUEL_TANK_SELECTOR), 6);
    EXPECT_EQ(s.get_int(TRANSPONDER_CODE), 0x7700);
    EXPECT_EQ(s.get_int(COM_FREQUENCY), 0x3697);
    EXPECT_EQ(s.get_int(NAV2_FREQUENCY), 0x1450);
    EXPECT_STREQ(static_cast<const char*>(s.read(NAV1_IDENTIFIER).s), "ITV");
    EXPECT_EQ(s.baro_hundredths(), 2953);  // 1000 hPa
}

TEST(SimStateFile, ErrorsNameFileAndLineAndChangeNothing) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"[variables]\nAIRSPEED = 200\nAIRSPED = 250\n", "bad.toml:3: unknown variable 'AIRSPED'"},
        {"[variables]\nAIRSPEED = \"fast\"\n", "bad.toml:2: AIRSPEED wants a number"},
        {"[variables]\nNAV1_IDENTIFIER = 5\n", "bad.toml:2: NAV1_IDENTIFIER wants text in quotes"},
        {"[variables]\nFUEL_TANK_SELECTOR = 1.5\n", "bad.toml:2: variable FUEL_TANK_SELECTOR wants a 32-bit whole number"},
        {"[variables]\nTRANSPONDER_CODE = 1200\n", "bad.toml:2: TRANSPONDER_CODE wants BCD digits"},
        {"[variables]\nNAV1_FREQUENCY = \"99.5\"\n", "bad.toml:2: NAV1_FREQUENCY wants a frequency"},
        {"[variables]\nON_GROUND = [1, 2]\n", "bad.toml:2: ON_GROUND wants a number"},
        {"[variable]\nAIRSPEED = 1\n", "bad.toml:1: unknown entry 'variable'"},
        {"variables = 3\n", "bad.toml:1: variables wants a table"},
        {"[variables]\nAIRSPEED = \n", "bad.toml:2: "},
    };
    for (auto& c : cases) {
        Simulation s;
        const double before = s.get(AIRSPEED);
        auto st = sim::apply_state(s, c.text, "bad.toml");
        EXPECT_FALSE(st) << c.text;
        EXPECT_EQ(st.message.rfind(c.message, 0), 0u) << "got: " << st.message;
        EXPECT_EQ(s.get(AIRSPEED), before) << c.text;
    }
    Simulation s;
    auto st = sim::load_state(s, "/nonexistent/state.toml");
    EXPECT_FALSE(st);
    EXPECT_NE(st.message.find("/nonexistent/state.toml"), std::string::npos);
}

}  // namespace
