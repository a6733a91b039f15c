#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "gauge_harness.h"

namespace {

using testing_support::GaugeHarness;

// Elements in drawing order.
constexpr size_t DIAL = 0, AIRSPEED_READOUT = 1, POINTER = 2, REFERENCE_READOUT = 3, REFERENCE_MARKER = 4;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// The direction of a dial point seen from a pivot, clockwise from +x, as an angle modulo 360.
double direction(int px, int py, int cx, int cy) {
    double a = std::atan2(double(py - cy), double(px - cx)) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

double modulo_360(double a) { return std::fmod(std::fmod(a, 360.0) + 360.0, 360.0); }

TEST(StandbyAirspeed, ReadoutHoldsAt30AndPointerClampsToTheDial) {
    struct Case {
        double knots;
        const char* text;
        double pointer;
    };
    const Case cases[] = {
        {29.9, " 30", 0.0},    {30.0, " 30", 30.0},    {123.9, "123", 123.9}, {399.99, "399", 399.99},
        {400.0, "400", 400.0}, {450.0, "450", 400.0},  {0.0, " 30", 0.0},     {-80.0, " 30", 0.0},
        {NaN, " 30", 0.0},     {1e300, nullptr, 400.0},
    };
    for (const Case& c : cases) {
        GaugeHarness g("TARVIK_BU_SPEED");
        g.set("AIRSPEED", c.knots).update();
        if (c.text) {
            EXPECT_EQ(g.text(AIRSPEED_READOUT), c.text) << c.knots;
        }
        EXPECT_EQ(g.element(POINTER).value, c.pointer) << c.knots;
        EXPECT_FALSE(g.hidden(AIRSPEED_READOUT));
    }
}

TEST(StandbyAirspeed, PointerStandsOnTheDialMarks) {
    // Each knot value against the dial point where it is marked, seen from the pointer's pivot (32,34).
    struct Mark {
        double knots;
        int x, y;
    };
    const Mark marks[] = {{10.0, 29, 2},   {60.0, 42, 4},  {200.0, 34, 64}, {220.0, 15, 59}, {240.0, 7, 50},
                          {250.0, 3, 44},  {300.0, 1, 31}, {400.0, 8, 13},  {500.0, 8, 13}};
    for (const Mark& m : marks) {
        GaugeHarness g("TARVIK_BU_SPEED");
        g.set("AIRSPEED", m.knots).update();
        EXPECT_NEAR(modulo_360(g.element(POINTER).needle_angle), direction(m.x, m.y, 32, 34), 1e-9) << m.knots;
    }
    // Between marks the angle is linear in the speed: 130 knots is halfway from 60 to 200.
    GaugeHarness g("TARVIK_BU_SPEED");
    g.set("AIRSPEED", 130.0).update();
    const double a60 = direction(42, 4, 32, 34), a200 = direction(34, 64, 32, 34) + 360.0;
    EXPECT_NEAR(g.element(POINTER).needle_angle, (a60 + a200) / 2, 1e-9);
}

TEST(StandbyAirspeed, PointerTurnsAtMostTenDegreesPerUpdate) {
    GaugeHarness g("TARVIK_BU_SPEED");
    g.set("AIRSPEED", 60.0).update();
    const double start = g.element(POINTER).needle_angle;
    g.set("AIRSPEED", 400.0).update();
    EXPECT_NEAR(g.element(POINTER).needle_angle - start, 10.0, 1e-9);
    g.update(40);
    EXPECT_NEAR(modulo_360(g.element(POINTER).needle_angle), direction(8, 13, 32, 34), 1e-9);
}

TEST(StandbyAirspeed, ReferenceStartsAt30ShownOnItsOwnMark) {
    GaugeHarness g("TARVIK_BU_SPEED");
    g.update();
    EXPECT_EQ(g.text(REFERENCE_READOUT), " 30");
    EXPECT_FALSE(g.hidden(REFERENCE_READOUT));
    EXPECT_FALSE(g.hidden(REFERENCE_MARKER));
    EXPECT_EQ(g.element(REFERENCE_MARKER).value, 30.0);
    // The marker has its own table around the pivot (32,33): 30 knots is halfway from its 0 to its 60 row.
    const double a0 = direction(27, 0, 32, 33), a60 = direction(41, 1, 32, 33);
    EXPECT_NEAR(g.element(REFERENCE_MARKER).needle_angle, (a0 + a60) / 2, 1e-9);
}

TEST(StandbyAirspeed, ClickAreasInListOrder) {
    // The increment box (x 10..15) and the toggle box (x 0..10) share the column x 10; the decrement
    // box lies left of the dial. Expected: the cursor of the area hit, or 0 for none.
    struct Case {
        int x, y;
        int cursor;
    };
    const Case cases[] = {
        {-6, 59, 2}, {-1, 69, 2}, {-7, 64, 0}, {0, 59, 5},  {9, 69, 5},  {10, 59, 1},
        {10, 69, 1}, {15, 64, 1}, {16, 64, 0}, {5, 58, 0},  {5, 70, 0},  {32, 34, 0},
    };
    GaugeHarness g("TARVIK_BU_SPEED");
    g.update();
    for (const Case& c : cases) {
        const tarvik::MouseArea* a = g.host().area_at(g.gauge(), c.x, c.y);
        ASSERT_EQ(a ? a->cursor : 0, c.cursor) << c.x << "," << c.y;
        if (!a) continue;
        const uint32_t step = c.cursor == 5 ? 0u : tarvik::CLICK_STEP;
        EXPECT_EQ(a->click_kinds, tarvik::CLICK | step) << c.x << "," << c.y;
        EXPECT_EQ(a->event_id, 0u);
    }
    EXPECT_FALSE(g.click(16, 64));
    EXPECT_TRUE(g.take_events().empty());
}

TEST(StandbyAirspeed, ReferenceStepsByWholeKnotsBetween30And400) {
    GaugeHarness g("TARVIK_BU_SPEED");
    g.update();
    EXPECT_TRUE(g.click(-3, 64));  // down at 30: nothing changes
    g.update();
    EXPECT_EQ(g.text(REFERENCE_READOUT), " 30");
    EXPECT_TRUE(g.click(10, 64));  // the shared column steps up, it does not toggle
    g.update();
    EXPECT_EQ(g.text(REFERENCE_READOUT), " 31");
    EXPECT_FALSE(g.hidden(REFERENCE_MARKER));
    for (int i = 0; i < 400; ++i) g.click(12, 64);
    g.update();
    EXPECT_EQ(g.text(REFERENCE_READOUT), "400");
    EXPECT_EQ(g.element(REFERENCE_MARKER).value, 400.0);
    g.click(-3, 64);
    g.update();
    EXPECT_EQ(g.text(REFERENCE_READOUT), "399");
    EXPECT_TRUE(g.take_events().empty());
}

TEST(StandbyAirspeed, ToggleHidesTheReferenceWhichStillSteps) {
    GaugeHarness g("TARVIK_BU_SPEED");
    g.update();
    g.click(5, 64);
    g.update();
    EXPECT_TRUE(g.hidden(REFERENCE_READOUT));
    EXPECT_TRUE(g.hidden(REFERENCE_MARKER));
    for (int i = 0; i < 5; ++i) g.click(12, 64);
    g.update();
    EXPECT_TRUE(g.hidden(REFERENCE_READOUT));
    EXPECT_EQ(g.element(REFERENCE_MARKER).value, 35.0);  // the hidden marker still follows
    g.click(5, 64);
    g.update();
    EXPECT_FALSE(g.hidden(REFERENCE_READOUT));
    EXPECT_FALSE(g.hidden(REFERENCE_MARKER));
    EXPECT_EQ(g.text(REFERENCE_READOUT), " 35");
    // The airspeed side is untouched by all of this.
    EXPECT_FALSE(g.hidden(DIAL));
    EXPECT_FALSE(g.hidden(POINTER));
}

TEST(StandbyAirspeed, ProbeShowsReadoutsAndTheSteppedReference) {
    std::string out;
    ASSERT_EQ(testing_support::run_tarvik("probe TARVIK_BU_SPEED --set AIRSPEED=123.9 --update --click 12,64 "
                                          "--click 12,64 --update --dump",
                                          out),
              0);
    auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j["gauge"], "TARVIK_BU_SPEED");
    auto& e = j["dumps"][0]["elements"];
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[AIRSPEED_READOUT]["text"], "123");
    EXPECT_EQ(e[POINTER]["values"]["value"], 123.9);
    EXPECT_EQ(e[REFERENCE_READOUT]["text"], " 32");
    EXPECT_EQ(e[REFERENCE_MARKER]["values"]["value"], 32.0);
    EXPECT_TRUE(j["dumps"][0]["events"].empty());
}

}  // namespace
