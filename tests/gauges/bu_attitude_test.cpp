#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "art/palette.h"
#include "gauge_harness.h"
#include "host/compositor.h"

namespace {

using testing_support::GaugeHarness;

constexpr size_t BACKGROUND = 0, SPHERE = 1, BANK_POINTER = 2;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double direction(int px, int py, int cx, int cy) {
    double a = std::atan2(double(py - cy), double(px - cx)) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

TEST(StandbyAttitude, PitchAndBankLimits) {
    // The sphere's pitch stops at 45 each way; its turn follows the bank unclamped; the pointer stops
    // at 60 each way. A reading that is no number holds the sphere's pitch and the pointer level.
    struct Case {
        double pitch, bank;
        double sphere_pitch, pointer_bank;
    };
    const Case cases[] = {
        {0.0, 0.0, 0.0, 0.0},       {10.0, 30.0, 10.0, 30.0},    {45.0, 60.0, 45.0, 60.0},
        {60.0, 90.0, 45.0, 60.0},   {-60.0, -90.0, -45.0, -60.0}, {-12.5, 200.0, -12.5, 60.0},
        {NaN, NaN, 0.0, 0.0},       {INFINITY, -INFINITY, 45.0, -60.0},
    };
    for (const Case& c : cases) {
        GaugeHarness g("TARVIK_BU_ATTITUDE");
        g.set("PITCH_ANGLE", c.pitch).set("BANK_ANGLE", c.bank).update();
        EXPECT_EQ(g.element(SPHERE).y, c.sphere_pitch) << c.pitch << " " << c.bank;
        if (std::isnan(c.bank)) {
            EXPECT_TRUE(std::isnan(g.element(SPHERE).angle_value));
        } else {
            EXPECT_EQ(g.element(SPHERE).angle_value, c.bank);
        }
        EXPECT_EQ(g.element(BANK_POINTER).value, c.pointer_bank) << c.pitch << " " << c.bank;
    }
}

TEST(StandbyAttitude, SphereShiftsDownWithPitchAndTurnsAgainstTheBank) {
    GaugeHarness g("TARVIK_BU_ATTITUDE");
    g.set("PITCH_ANGLE", 60.0).set("BANK_ANGLE", 90.0).update();
    const auto& sphere = *reinterpret_cast<const tarvik::Sprite*>(g.element(SPHERE).element);
    EXPECT_DOUBLE_EQ(g.element(SPHERE).y * sphere.y.scale, 51.75);  // px, down
    EXPECT_EQ(g.element(SPHERE).angle_value * sphere.angle.scale, -90.0);
    EXPECT_EQ(sphere.offset.x, 31);
    EXPECT_EQ(sphere.offset.y, 33);
    g.set("PITCH_ANGLE", -20.0).update();
    EXPECT_DOUBLE_EQ(g.element(SPHERE).y * sphere.y.scale, -23.0);  // nose down: up
}

TEST(StandbyAttitude, PointerStandsOnTheBankMarksAndTurnsTenDegreesAnUpdate) {
    const std::pair<double, std::pair<int, int>> marks[] = {
        {-60.0, {6, 18}}, {-90.0, {6, 18}}, {0.0, {31, 4}}, {60.0, {56, 18}}, {75.0, {56, 18}}};
    for (auto [bank, point] : marks) {
        GaugeHarness g("TARVIK_BU_ATTITUDE");
        g.set("BANK_ANGLE", bank).update();
        EXPECT_NEAR(std::fmod(g.element(BANK_POINTER).needle_angle + 720.0, 360.0),
                    direction(point.first, point.second, 31, 33), 1e-9)
            << bank;
    }
    GaugeHarness g("TARVIK_BU_ATTITUDE");
    g.update();
    const double level = g.element(BANK_POINTER).needle_angle;
    g.set("BANK_ANGLE", 60.0).update();
    EXPECT_NEAR(g.element(BANK_POINTER).needle_angle - level, 10.0, 1e-9);
}

TEST(StandbyAttitude, NoClickableArea) {
    GaugeHarness g("TARVIK_BU_ATTITUDE");
    g.update();
    for (int y = -8; y < 72; y += 4)
        for (int x = -8; x < 72; x += 4) EXPECT_FALSE(g.click(x, y)) << x << "," << y;
    EXPECT_TRUE(g.take_events().empty());
}

// Drawn through the compositor: the pitch shift runs along the sphere's turned axes, so with the
// sphere turned a quarter turn the horizon stands upright beside the centre, not through it.
TEST(StandbyAttitude, DrawnHorizonFollowsPitchAlongTheTurnedSphere) {
    const host::Pixel sky = host::pixel_of_bgr(art::palette()[art::SKY]);
    const host::Pixel ground = host::pixel_of_bgr(art::palette()[art::GROUND]);
    struct Case {
        double pitch, bank;
        int x, y;
        bool sky;
    };
    const Case cases[] = {
        {0.0, 0.0, 10, 28, true},     {0.0, 0.0, 10, 40, false},    // level: sky above the centre row 33
        {20.0, 0.0, 10, 50, true},    {20.0, 0.0, 31, 60, false},   // nose up 20: the horizon 23 px lower
        {-20.0, 0.0, 36, 8, true},    {-20.0, 0.0, 10, 20, false},  // nose down 20: 23 px higher
        {0.0, 90.0, 25, 54, true},    {0.0, 90.0, 38, 54, false},   // right bank: turned a quarter left
        {10.0, 90.0, 36, 54, true},   {10.0, 90.0, 50, 54, false},  // and nose up: 11.5 px right
        {10.0, -90.0, 26, 54, true},  {10.0, -90.0, 13, 54, false}, // left bank, nose up: 11.5 px left
    };
    for (const Case& c : cases) {
        GaugeHarness g("TARVIK_BU_ATTITUDE");
        g.set("PITCH_ANGLE", c.pitch).set("BANK_ANGLE", c.bank).update();
        host::Framebuffer fb;
        host::render_gauge(g.gauge(), 0, fb);
        EXPECT_EQ(fb.at_frame(c.x, c.y), c.sky ? sky : ground)
            << "pitch " << c.pitch << " bank " << c.bank << " at " << c.x << "," << c.y;
    }
}

TEST(StandbyAttitude, ProbeShowsTheClampedPitch) {
    std::string out;
    ASSERT_EQ(testing_support::run_tarvik("probe TARVIK_BU_ATTITUDE --set PITCH_ANGLE=60 --set BANK_ANGLE=90 "
                                          "--update --dump",
                                          out),
              0);
    auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j["gauge"], "TARVIK_BU_ATTITUDE");
    auto& e = j["dumps"][0]["elements"];
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[SPHERE]["kind"], "Sprite");
    EXPECT_EQ(e[SPHERE]["values"]["y"], 45.0);
    EXPECT_EQ(e[SPHERE]["values"]["angle"], 90.0);
    EXPECT_FALSE(e[SPHERE]["values"].contains("x"));
    EXPECT_EQ(e[BANK_POINTER]["values"]["value"], 60.0);
    EXPECT_FALSE(e[BACKGROUND]["hidden"]);
}

}  // namespace
