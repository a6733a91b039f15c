// Key events and the host's radio selection, as seen in the variables the gauges read.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "host/catalogue.h"
#include "sim/radio.h"
#include "sim/simulation.h"
#include "tarvik/numeric.h"

namespace {

using namespace tarvik;
using sim::Simulation;

// A variable's value whatever its form: integers and BCD words as numbers.
double value_of(const Simulation& s, int32_t token) {
    const host::VariableInfo* info = host::find_variable(token);
    if (info && (info->form == VarForm::INT32 || info->form == VarForm::BCD)) return s.get_int(token);
    return s.get(token);
}

void put(Simulation& s, int32_t token, double v) {
    const host::VariableInfo* info = host::find_variable(token);
    if (info && (info->form == VarForm::INT32 || info->form == VarForm::BCD))
        s.set_int(token, static_cast<int32_t>(v));
    else
        s.set(token, v);
}

struct KeyCase {
    const char* what;
    uint32_t key;
    uint32_t param;
    std::vector<std::pair<int32_t, double>> before;
    std::vector<std::pair<int32_t, double>> after;
};

const KeyCase KEY_CASES[] = {
    // Selected heading wraps 0..359; the set event takes any whole number of degrees.
    {"heading up past 359", KEY_AP_SELECTED_HEADING_INC, 0, {{AUTOPILOT_SELECTED_HEADING, 359}}, {{AUTOPILOT_SELECTED_HEADING, 0}}},
    {"heading down past 0", KEY_AP_SELECTED_HEADING_DEC, 0, {{AUTOPILOT_SELECTED_HEADING, 0}}, {{AUTOPILOT_SELECTED_HEADING, 359}}},
    {"heading set 360", KEY_AP_SELECTED_HEADING_SET, 360, {}, {{AUTOPILOT_SELECTED_HEADING, 0}}},
    {"heading set -1", KEY_AP_SELECTED_HEADING_SET, 0xFFFFFFFFu, {}, {{AUTOPILOT_SELECTED_HEADING, 359}}},
    {"heading set 725", KEY_AP_SELECTED_HEADING_SET, 725, {}, {{AUTOPILOT_SELECTED_HEADING, 5}}},
    {"course up past 359", KEY_NAV1_COURSE_INC, 0, {{NAV1_COURSE, 359.5}}, {{NAV1_COURSE, 0}}},
    {"course down past 0", KEY_NAV1_COURSE_DEC, 0, {{NAV1_COURSE, 0}}, {{NAV1_COURSE, 359}}},
    // Altitude and vertical speed move to the next hundred in the direction of travel.
    {"altitude up", KEY_AP_SELECTED_ALTITUDE_INC, 0, {{AUTOPILOT_SELECTED_ALTITUDE, 12345}}, {{AUTOPILOT_SELECTED_ALTITUDE, 12400}}},
    {"altitude down", KEY_AP_SELECTED_ALTITUDE_DEC, 0, {{AUTOPILOT_SELECTED_ALTITUDE, 12345}}, {{AUTOPILOT_SELECTED_ALTITUDE, 12300}}},
    {"altitude up at top", KEY_AP_SELECTED_ALTITUDE_INC, 0, {{AUTOPILOT_SELECTED_ALTITUDE, 50000}}, {{AUTOPILOT_SELECTED_ALTITUDE, 50000}}},
    {"altitude down at 0", KEY_AP_SELECTED_ALTITUDE_DEC, 0, {{AUTOPILOT_SELECTED_ALTITUDE, 0}}, {{AUTOPILOT_SELECTED_ALTITUDE, 0}}},
    {"vs up from -50", KEY_AP_SELECTED_VERTICAL_SPEED_INC, 0, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, -50}}, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, 0}}},
    {"vs down", KEY_AP_SELECTED_VERTICAL_SPEED_DEC, 0, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, 0}}, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, -100}}},
    {"vs up at top", KEY_AP_SELECTED_VERTICAL_SPEED_INC, 0, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, 9900}}, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, 9900}}},
    {"vs set beyond", KEY_AP_SELECTED_VERTICAL_SPEED_SET, static_cast<uint32_t>(-12000), {}, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, -9900}}},
    {"vs set", KEY_AP_SELECTED_VERTICAL_SPEED_SET, static_cast<uint32_t>(-1500), {}, {{AUTOPILOT_SELECTED_VERTICAL_SPEED, -1500}}},
    // Airspeed 1 kt inside 100..399; Mach 0.01 inside 0.40..0.95.
    {"airspeed up at top", KEY_AP_SELECTED_AIRSPEED_INC, 1, {{AUTOPILOT_SELECTED_AIRSPEED, 399}}, {{AUTOPILOT_SELECTED_AIRSPEED, 399}}},
    {"airspeed down", KEY_AP_SELECTED_AIRSPEED_DEC, 1, {{AUTOPILOT_SELECTED_AIRSPEED, 250}}, {{AUTOPILOT_SELECTED_AIRSPEED, 249}}},
    {"airspeed set low", KEY_AP_SELECTED_AIRSPEED_SET, 50, {}, {{AUTOPILOT_SELECTED_AIRSPEED, 100}}},
    {"airspeed set", KEY_AP_SELECTED_AIRSPEED_SET, 251, {}, {{AUTOPILOT_SELECTED_AIRSPEED, 251}}},
    {"mach down at bottom", KEY_AP_SELECTED_MACH_DEC, 1, {{AUTOPILOT_SELECTED_MACH, 0.40}}, {{AUTOPILOT_SELECTED_MACH, 0.40}}},
    {"mach up at top", KEY_AP_SELECTED_MACH_INC, 1, {{AUTOPILOT_SELECTED_MACH, 0.95}}, {{AUTOPILOT_SELECTED_MACH, 0.95}}},
    // Radios: set events take in-band BCD words only.
    {"com set", KEY_COM_RADIO_SET, 0x2345, {}, {{COM_FREQUENCY, 0x2345}}},
    {"com set below the band", KEY_COM_RADIO_SET, 0x1234, {{COM_FREQUENCY, 0x2190}}, {{COM_FREQUENCY, 0x2190}}},
    {"nav1 set", KEY_NAV1_RADIO_SET, 0x1795, {}, {{NAV1_FREQUENCY, 0x1795}}},
    {"nav1 set not BCD", KEY_NAV1_RADIO_SET, 0x109A, {{NAV1_FREQUENCY, 0x1090}}, {{NAV1_FREQUENCY, 0x1090}}},
    {"nav2 set high bits", KEY_NAV2_RADIO_SET, 0x11090, {{NAV2_FREQUENCY, 0x1450}}, {{NAV2_FREQUENCY, 0x1450}}},
    {"transponder 7 + 1", KEY_TRANSPONDER_1_INC, 0, {{TRANSPONDER_CODE, 0x1207}}, {{TRANSPONDER_CODE, 0x1200}}},
    {"transponder thousands 7 + 1", KEY_TRANSPONDER_1000_INC, 0, {{TRANSPONDER_CODE, 0x7777}}, {{TRANSPONDER_CODE, 0x0777}}},
    {"transponder tens", KEY_TRANSPONDER_10_INC, 0, {{TRANSPONDER_CODE, 0x1200}}, {{TRANSPONDER_CODE, 0x1210}}},
    {"transponder hundreds", KEY_TRANSPONDER_100_INC, 0, {{TRANSPONDER_CODE, 0x1200}}, {{TRANSPONDER_CODE, 0x1300}}},
    {"adf hundreds 9 + 1", KEY_ADF_100_INC, 0, {{ADF_FREQUENCY, 0x0944}}, {{ADF_FREQUENCY, 0x0144}}},
    {"adf tens 9 + 1", KEY_ADF_10_INC, 0, {{ADF_FREQUENCY, 0x0394}}, {{ADF_FREQUENCY, 0x0304}}},
    {"adf units 9 + 1", KEY_ADF_1_INC, 0, {{ADF_FREQUENCY, 0x0349}}, {{ADF_FREQUENCY, 0x0340}}},
    // Steps through the zoom and rate tables, from a value between two steps too.
    {"zoom up", KEY_VIEW_ZOOM_INC, 0, {{VIEW_ZOOM, 1.0}}, {{VIEW_ZOOM, 1.5}}},
    {"zoom up from between", KEY_VIEW_ZOOM_INC, 0, {{VIEW_ZOOM, 1.2}}, {{VIEW_ZOOM, 1.5}}},
    {"zoom down at bottom", KEY_VIEW_ZOOM_DEC, 0, {{VIEW_ZOOM, 0.25}}, {{VIEW_ZOOM, 0.25}}},
    {"sim rate up", KEY_SIM_RATE_INC, 0, {{SIM_RATE, 1.0}}, {{SIM_RATE, 2.0}}},
    {"sim rate down from between", KEY_SIM_RATE_DEC, 0, {{SIM_RATE, 3.0}}, {{SIM_RATE, 2.0}}},
    {"sim rate down at bottom", KEY_SIM_RATE_DEC, 0, {{SIM_RATE, 0.25}}, {{SIM_RATE, 0.25}}},
    // Levers.
    {"throttle set forward", KEY_THROTTLE_SET, 16383, {}, {{ENGINE1_THROTTLE_LEVER, 16383}, {ENGINE2_THROTTLE_LEVER, 16383}}},
    {"throttle set reverse", KEY_THROTTLE_SET, static_cast<uint32_t>(-4096), {}, {{ENGINE1_THROTTLE_LEVER, -4096}, {ENGINE2_THROTTLE_LEVER, -4096}}},
    {"throttle set beyond reverse", KEY_THROTTLE_SET, 0x80000000u, {}, {{ENGINE1_THROTTLE_LEVER, -4096}}},
    {"spoilers flight detent", KEY_SPOILERS_SET, 9462, {}, {{SPOILERS_HANDLE_POSITION, 9462}}},
    {"spoilers set beyond", KEY_SPOILERS_SET, 20000, {}, {{SPOILERS_HANDLE_POSITION, 16384}}},
    {"spoilers armed", KEY_SPOILERS_ARM, 0, {}, {{SPOILERS_HANDLE_POSITION, sim::SPOILERS_ARMED}}},
    {"spoilers up", KEY_SPOILERS_UP, 0, {}, {{SPOILERS_HANDLE_POSITION, 16384}}},
    {"spoilers down", KEY_SPOILERS_DOWN, 0, {{SPOILERS_HANDLE_POSITION, 9462}}, {{SPOILERS_HANDLE_POSITION, 0}}},
    {"flaps first detent", KEY_FLAPS_INC, 0, {{FLAPS_LEVER_POSITION, 0}}, {{FLAPS_LEVER_POSITION, 2046}}},
    {"flaps inc from between detents", KEY_FLAPS_INC, 0, {{FLAPS_LEVER_POSITION, 4091}}, {{FLAPS_LEVER_POSITION, 4092}}},
    {"flaps last detent is full", KEY_FLAPS_INC, 0, {{FLAPS_LEVER_POSITION, 7 * 2046}}, {{FLAPS_LEVER_POSITION, 16383}}},
    {"flaps inc at full", KEY_FLAPS_INC, 0, {{FLAPS_LEVER_POSITION, 16383}}, {{FLAPS_LEVER_POSITION, 16383}}},
    {"flaps dec from full", KEY_FLAPS_DEC, 0, {{FLAPS_LEVER_POSITION, 16383}}, {{FLAPS_LEVER_POSITION, 7 * 2046}}},
    {"flaps dec at up", KEY_FLAPS_DEC, 0, {{FLAPS_LEVER_POSITION, 0}}, {{FLAPS_LEVER_POSITION, 0}}},
    {"gear up in the air", KEY_GEAR_TOGGLE, 0, {{ON_GROUND, 0}}, {{GEAR_HANDLE_POSITION, 0}}},
    {"gear up on the ground", KEY_GEAR_TOGGLE, 0, {{ON_GROUND, 1}}, {{GEAR_HANDLE_POSITION, 16384}}},
    {"gear down on the ground", KEY_GEAR_TOGGLE, 0, {{ON_GROUND, 1}, {GEAR_HANDLE_POSITION, 0}}, {{GEAR_HANDLE_POSITION, 16384}}},
    {"brakes", KEY_BRAKES_SET, 8000, {}, {{BRAKE_POSITION, 8000}}},
    {"brakes beyond", KEY_BRAKES_SET, 0x7FFFFFFF, {}, {{BRAKE_POSITION, 16384}}},
    // Switches.
    {"starter start", KEY_ENGINE1_STARTER_START, 0, {}, {{ENGINE1_STARTER_SWITCH, 1}}},
    {"starter generator", KEY_ENGINE2_STARTER_GENERATOR, 1, {}, {{ENGINE2_STARTER_SWITCH, 2}}},
    {"starter off", KEY_ENGINE1_STARTER_OFF, 1, {{ENGINE1_STARTER_SWITCH, 2}}, {{ENGINE1_STARTER_SWITCH, 0}}},
    {"fuel control run", KEY_ENGINE2_FUEL_CONTROL_RUN, 0, {}, {{ENGINE2_FUEL_CONTROL, 1}}},
    {"fuel control cut off", KEY_ENGINE1_FUEL_CONTROL_CUTOFF, 0, {{ENGINE1_FUEL_CONTROL, 1}}, {{ENGINE1_FUEL_CONTROL, 0}}},
    {"selector center", KEY_FUEL_SELECTOR_CENTER, 0, {}, {{FUEL_TANK_SELECTOR, 6}}},
    {"selector right fwd", KEY_FUEL_SELECTOR_RIGHT_FWD, 0, {}, {{FUEL_TANK_SELECTOR, 5}}},
    {"selector off", KEY_FUEL_SELECTOR_OFF, 1, {{FUEL_TANK_SELECTOR, 1}}, {{FUEL_TANK_SELECTOR, 0}}},
    {"crossfeed aft", KEY_CROSSFEED_AFT, 1, {}, {{FUEL_CROSSFEED, 2}}},
    {"crossfeed off", KEY_CROSSFEED_OFF, 1, {{FUEL_CROSSFEED, 1}}, {{FUEL_CROSSFEED, 0}}},
    {"anti-ice on", KEY_ANTI_ICE_ON, 0, {}, {{ENGINE1_ANTI_ICE, 1}, {ENGINE2_ANTI_ICE, 1}}},
    {"anti-ice off", KEY_ANTI_ICE_OFF, 0, {{ENGINE1_ANTI_ICE, 1}, {ENGINE2_ANTI_ICE, 1}}, {{ENGINE1_ANTI_ICE, 0}, {ENGINE2_ANTI_ICE, 0}}},
    {"strobe", KEY_STROBE_LIGHTS_TOGGLE, 0, {}, {{STROBE_LIGHTS, 1}}},
    {"taxi off", KEY_TAXI_LIGHTS_TOGGLE, 0, {{TAXI_LIGHTS, 1}}, {{TAXI_LIGHTS, 0}}},
    {"landing", KEY_LANDING_LIGHTS_TOGGLE, 0, {}, {{LANDING_LIGHTS, 1}}},
    {"yaw damper", KEY_YAW_DAMPER_TOGGLE, 0, {}, {{YAW_DAMPER, 1}}},
    {"nav1 switch", KEY_NAV1_SWITCH_TOGGLE, 0, {}, {{NAV1_SWITCH, 1}}},
    {"nav2 switch off", KEY_NAV2_SWITCH_TOGGLE, 0, {{NAV2_SWITCH, 1}}, {{NAV2_SWITCH, 0}}},
    // Autopilot modes as plain state.
    {"master on", KEY_AUTOPILOT_TOGGLE, 0, {}, {{AUTOPILOT_MASTER, 1}}},
    {"master off keeps the modes", KEY_AUTOPILOT_TOGGLE, 0, {{AUTOPILOT_MASTER, 1}, {AUTOPILOT_HEADING_HOLD, 1}},
     {{AUTOPILOT_MASTER, 0}, {AUTOPILOT_HEADING_HOLD, 1}}},
    {"heading hold", KEY_AP_HEADING_HOLD_TOGGLE, 0, {}, {{AUTOPILOT_HEADING_HOLD, 1}}},
    {"altitude hold off", KEY_AP_ALTITUDE_HOLD_TOGGLE, 0, {{AUTOPILOT_ALTITUDE_HOLD, 1}}, {{AUTOPILOT_ALTITUDE_HOLD, 0}}},
    {"nav hold", KEY_AP_NAV_HOLD_TOGGLE, 0, {}, {{AUTOPILOT_NAV_HOLD, 1}}},
    {"LOC arms the localizer alone", KEY_AP_LOC_HOLD_TOGGLE, 0, {}, {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 0}}},
    {"LOC again switches it off", KEY_AP_LOC_HOLD_TOGGLE, 0, {{AUTOPILOT_APPROACH_HOLD, 1}}, {{AUTOPILOT_APPROACH_HOLD, 0}}},
    {"LOC during APR changes over", KEY_AP_LOC_HOLD_TOGGLE, 0, {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 1}},
     {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 0}}},
    {"APR arms both", KEY_AP_APR_HOLD_TOGGLE, 0, {}, {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 1}}},
    {"APR during LOC adds the glideslope", KEY_AP_APR_HOLD_TOGGLE, 0, {{AUTOPILOT_APPROACH_HOLD, 1}},
     {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 1}}},
    {"APR again switches both off", KEY_AP_APR_HOLD_TOGGLE, 0, {{AUTOPILOT_APPROACH_HOLD, 1}, {AUTOPILOT_GLIDESLOPE_HOLD, 1}},
     {{AUTOPILOT_APPROACH_HOLD, 0}, {AUTOPILOT_GLIDESLOPE_HOLD, 0}}},
    {"airspeed hold ends mach hold and TO/GA", KEY_AP_AIRSPEED_HOLD_SET, 1,
     {{AUTOPILOT_MACH_HOLD, 1}, {AUTOTHROTTLE_TAKEOFF_GO_AROUND, 1}},
     {{AUTOPILOT_AIRSPEED_HOLD, 1}, {AUTOPILOT_MACH_HOLD, 0}, {AUTOTHROTTLE_TAKEOFF_GO_AROUND, 0}}},
    {"mach hold ends airspeed hold", KEY_AP_MACH_HOLD_SET, 1, {{AUTOPILOT_AIRSPEED_HOLD, 1}}, {{AUTOPILOT_MACH_HOLD, 1}, {AUTOPILOT_AIRSPEED_HOLD, 0}}},
    {"mach hold off", KEY_AP_MACH_HOLD_SET, 0, {{AUTOPILOT_MACH_HOLD, 1}}, {{AUTOPILOT_MACH_HOLD, 0}}},
    {"TO/GA with the autothrottle armed", KEY_THRUST_LEVER_SWITCH, 0, {{AUTOTHROTTLE_ARMED, 1}, {AUTOPILOT_AIRSPEED_HOLD, 1}},
     {{AUTOTHROTTLE_TAKEOFF_GO_AROUND, 1}, {AUTOPILOT_AIRSPEED_HOLD, 0}}},
    {"TO/GA without the autothrottle", KEY_THRUST_LEVER_SWITCH, 0, {{AUTOTHROTTLE_ARMED, 0}}, {{AUTOTHROTTLE_TAKEOFF_GO_AROUND, 0}}},
    {"disarming ends TO/GA", KEY_AUTOTHROTTLE_ARM_TOGGLE, 0, {{AUTOTHROTTLE_ARMED, 1}, {AUTOTHROTTLE_TAKEOFF_GO_AROUND, 1}},
     {{AUTOTHROTTLE_ARMED, 0}, {AUTOTHROTTLE_TAKEOFF_GO_AROUND, 0}}},
};

TEST(SimKeys, EachEventChangesItsVariables) {
    for (const KeyCase& c : KEY_CASES) {
        Simulation s;
        for (auto [token, v] : c.before) put(s, token, v);
        s.key_event(c.key, c.param);
        for (auto [token, want] : c.after)
            EXPECT_DOUBLE_EQ(value_of(s, token), want) << c.what << ": " << host::find_variable(token)->name;
    }
}

TEST(SimKeys, EveryCatalogueEventHasAnEffect) {
    for (const auto& k : host::key_events()) EXPECT_TRUE(sim::handles_key_event(k.id)) << k.name;
}

// The gauges read these settings through int(100 × value): every step must read back as the
// hundredths it stands for, and inches and hectopascals must name the same setting.
TEST(SimKeys, SettingsReadBackExactlyAtEveryStep) {
    Simulation s;
    s.set(BAROMETRIC_SETTING, 28.00);
    for (int k = 2800; k <= 3150; ++k) {
        ASSERT_EQ(to_int32(100 * s.get(BAROMETRIC_SETTING)), k);
        ASSERT_NEAR(s.get(BAROMETRIC_SETTING_HPA), k / 100.0 * sim::HPA_PER_INHG, 1e-9);
        s.key_event(KEY_BAROMETRIC_INC, 0);
    }
    EXPECT_EQ(s.baro_hundredths(), 3150);
    for (int k = 0; k < 3150 - 2992; ++k) s.key_event(KEY_BAROMETRIC_DEC, 0);
    EXPECT_EQ(to_int32(100 * s.get(BAROMETRIC_SETTING)), 2992);
    // Setting hectopascals moves the inches with them.
    s.set(BAROMETRIC_SETTING_HPA, 1013.25);
    EXPECT_EQ(to_int32(100 * s.get(BAROMETRIC_SETTING)), 2992);

    s.set(AUTOPILOT_SELECTED_MACH, 0.40);
    for (int k = 40; k <= 95; ++k) {
        ASSERT_EQ(to_int32(100 * s.get(AUTOPILOT_SELECTED_MACH)), k);
        s.key_event(KEY_AP_SELECTED_MACH_INC, 1);
    }
    s.set(AUTOPILOT_SELECTED_MACH, 0.57);
    EXPECT_EQ(to_int32(100 * s.get(AUTOPILOT_SELECTED_MACH)), 57);
}

TEST(SimKeys, UnknownEventsChangeNothing) {
    Simulation a, b;
    a.key_event(0x10000, 5);
    a.key_event(0xFFFFFFFF, 0xFFFFFFFF);
    for (int32_t t = 1; t < sim::MAX_TOKEN; ++t) EXPECT_EQ(a.get_int(t), b.get_int(t)) << t;
}

struct TuneCase {
    int32_t selection;
    int32_t token;
    uint32_t before;
    int dir;
    uint32_t after;
};

TEST(SimSelection, TuningStepsTheSelectedDigits) {
    const TuneCase cases[] = {
        {SELECTION_NAV1_KHZ, NAV1_FREQUENCY, 0x1795, +1, 0x1700},  // 117.95 + 0.05: the channel wraps in its MHz
        {SELECTION_NAV1_KHZ, NAV1_FREQUENCY, 0x1700, -1, 0x1795},
        {SELECTION_NAV1_KHZ, NAV1_FREQUENCY, 0x1090, +1, 0x1095},
        {SELECTION_NAV1_MHZ, NAV1_FREQUENCY, 0x1795, +1, 0x0895},  // 117 + 1 wraps to 108
        {SELECTION_NAV2_MHZ, NAV2_FREQUENCY, 0x0800, -1, 0x1700},
        {SELECTION_NAV2_KHZ, NAV2_FREQUENCY, 0x1412, +1, 0x1415},  // off the grid: to the channel above
        {SELECTION_NAV2_KHZ, NAV2_FREQUENCY, 0x1412, -1, 0x1410},
        {SELECTION_COM_MHZ, COM_FREQUENCY, 0x3650, +1, 0x1850},  // 136 + 1 wraps to 118
        {SELECTION_COM_MHZ, COM_FREQUENCY, 0x1850, -1, 0x3650},
        {SELECTION_COM_KHZ, COM_FREQUENCY, 0x2195, +1, 0x2100},
        {SELECTION_TRANSPONDER_1, TRANSPONDER_CODE, 0x1207, +1, 0x1200},
        {SELECTION_TRANSPONDER_1000, TRANSPONDER_CODE, 0x0200, -1, 0x7200},
        {SELECTION_TRANSPONDER_100, TRANSPONDER_CODE, 0x1700, +1, 0x1000},
        {SELECTION_TRANSPONDER_10, TRANSPONDER_CODE, 0x1200, -1, 0x1270},
        {SELECTION_ADF_100, ADF_FREQUENCY, 0x0144, -1, 0x0944},
        {SELECTION_ADF_10, ADF_FREQUENCY, 0x0304, -1, 0x0394},
        {SELECTION_ADF_1, ADF_FREQUENCY, 0x0349, +1, 0x0340},
    };
    for (const TuneCase& c : cases) {
        Simulation s;
        s.set_int(c.token, static_cast<int32_t>(c.before));
        s.set_selection(c.selection);
        s.tune_selection(c.dir);
        EXPECT_EQ(static_cast<uint32_t>(s.get_int(c.token)), c.after)
            << "selection " << c.selection << " from 0x" << std::hex << c.before << " dir " << std::dec << c.dir;
    }

    Simulation s;
    s.set_selection(SELECTION_NAV1_COURSE);
    s.set(NAV1_COURSE, 0);
    s.tune_selection(-1);
    EXPECT_EQ(s.get(NAV1_COURSE), 359);
    s.set_selection(SELECTION_SIM_RATE);
    s.tune_selection(+1);
    EXPECT_EQ(s.get(SIM_RATE), 2.0);
    s.set_selection(SELECTION_NONE);
    s.tune_selection(+1);
    EXPECT_EQ(s.get(SIM_RATE), 2.0);
}

TEST(SimSelection, StepsThroughEverySelectionAndBackToNone) {
    Simulation s;
    std::vector<int32_t> seen;
    for (size_t k = 0; k <= std::size(sim::SELECTION_ORDER); ++k) {
        s.step_selection(+1);
        seen.push_back(s.selection());
    }
    ASSERT_EQ(seen.size(), std::size(sim::SELECTION_ORDER) + 1);
    for (size_t k = 0; k < std::size(sim::SELECTION_ORDER); ++k) EXPECT_EQ(seen[k], sim::SELECTION_ORDER[k]);
    EXPECT_EQ(seen.back(), SELECTION_NONE);
    s.step_selection(-1);
    EXPECT_EQ(s.selection(), SELECTION_VIEW_ZOOM);
    s.set_selection(999);  // a code of nobody's: stepping starts again from the ends
    s.step_selection(+1);
    EXPECT_EQ(s.selection(), SELECTION_COM_MHZ);
}

TEST(SimRadio, BcdHelpersRefuseWhatIsNotAChannel) {
    EXPECT_TRUE(sim::in_band(0x0800, sim::NAV_LOW, sim::NAV_HIGH));
    EXPECT_TRUE(sim::in_band(0x1795, sim::NAV_LOW, sim::NAV_HIGH));
    EXPECT_FALSE(sim::in_band(0x1800, sim::NAV_LOW, sim::NAV_HIGH));
    EXPECT_FALSE(sim::in_band(0x0795, sim::NAV_LOW, sim::NAV_HIGH));
    EXPECT_FALSE(sim::in_band(0x10A0, sim::NAV_LOW, sim::NAV_HIGH));
    EXPECT_TRUE(sim::in_band(0x3697, sim::COM_LOW, sim::COM_HIGH));
    EXPECT_FALSE(sim::in_band(0x3700, sim::COM_LOW, sim::COM_HIGH));
    EXPECT_EQ(sim::frequency_hundredths(0x1090), 11090);
    EXPECT_EQ(sim::frequency_bcd(11170), 0x1170u);
}

}  // namespace
