#include <gtest/gtest.h>

#include <cmath>

#include "gauge_harness.h"

namespace {

using testing_support::GaugeHarness;

TEST(GearLever, ClickTogglesTheGearUnlessOnTheGround) {
    const std::pair<double, size_t> cases[] = {{1.0, 0}, {0.0, 1}, {0.5, 1}, {2.0, 1}, {std::nan(""), 1}};
    for (auto [on_ground, sent] : cases) {
        GaugeHarness g("TARVIK_GEAR");
        g.set("ON_GROUND", on_ground).update();
        EXPECT_TRUE(g.click(5, 5));
        auto ev = g.take_events();
        ASSERT_EQ(ev.size(), sent) << "ON_GROUND " << on_ground;
        if (sent) {
            EXPECT_EQ(ev[0].id, 0x10022u);
            EXPECT_EQ(ev[0].parameter, 0u);
        }
    }
}

TEST(GearLever, RightHalfDoesNothing) {
    GaugeHarness g("TARVIK_GEAR");
    g.update();
    EXPECT_FALSE(g.click(21, 5));
    EXPECT_FALSE(g.click(41, 76));
    EXPECT_TRUE(g.take_events().empty());
}

TEST(GearLever, KnobFollowsTheLeverLinearlyWithoutClamping) {
    GaugeHarness g("TARVIK_GEAR");
    for (double v : {0.0, 8192.0, 16384.0, 20000.0, -100.0}) {
        g.set("GEAR_HANDLE_POSITION", v).update();
        EXPECT_EQ(g.element(1).y, v);
    }
    auto* slider = reinterpret_cast<tarvik::Slider*>(g.element(1).element);
    EXPECT_EQ(slider->position.y + 16384 * slider->y.scale, 34.0);  // 33 px lower when down
    EXPECT_EQ(g.element(0).image->width, 42);
    EXPECT_EQ(g.element(1).image->height, 44);
}

}  // namespace
