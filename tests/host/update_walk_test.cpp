// The element update walk: order, hiding, sources and the values the host takes from callbacks.
#include <gtest/gtest.h>

#include "gauge_harness.h"
#include "host/gauge.h"
#include "tarvik/vars.h"

namespace {

using testing_support::GaugeHarness;
using testing_support::test_modules;

constexpr uint32_t EV_A = 0xF001, EV_B = 0xF002, EV_C = 0xF003, EV_AREA = 0xF010, EV_HANDLER = 0xF011;

GaugeHarness walk() { return GaugeHarness((test_modules() / "TEST_WALK.gau").string()); }

TEST(UpdateWalk, VisitsEachElementBeforeItsChildrenInListOrder) {
    auto g = walk();
    // Drawing order: background, needle A, its children B and C, then the slider D.
    ASSERT_EQ(g.gauge().elements.size(), 5u);
    const int parents[] = {-1, 0, 1, 1, 0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(g.element(i).parent, parents[i]) << i;
    g.update();
    auto ev = g.take_events();
    ASSERT_EQ(ev.size(), 3u);
    EXPECT_EQ(ev[0].id, EV_A);
    EXPECT_EQ(ev[1].id, EV_B);
    EXPECT_EQ(ev[2].id, EV_C);
}

TEST(UpdateWalk, HiddenElementStillRunsItsCallbackWhichCanShowIt) {
    auto g = walk();
    EXPECT_TRUE(g.hidden(2));
    g.update();
    auto ev = g.take_events();
    EXPECT_EQ(ev[1].parameter, 1u);  // it ran while hidden
    EXPECT_FALSE(g.hidden(2));
    g.update();
    EXPECT_EQ(g.take_events()[1].parameter, 0u);
}

TEST(UpdateWalk, IntegerFormIsReadFromTheFirstFourBytes) {
    auto g = walk();
    tarvik::TokenValue v{};
    v.i = 2;
    v.bytes[4] = 0xAB;  // whatever the other four bytes hold
    v.bytes[7] = 0x7F;
    g.vars().set_raw(tarvik::NAV1_TO_FROM, v);
    g.update();
    auto ev = g.take_events();
    EXPECT_EQ(ev[2].parameter, 2u);       // the callback read 2
    EXPECT_EQ(g.element(3).icon_image, 2);
    EXPECT_EQ(g.element(4).x, 2.0);       // and so did the host, for a block without a callback
}

TEST(UpdateWalk, SourcesAreRefreshedBeforeEachCallback) {
    auto g = walk();
    g.set_int("NAV1_TO_FROM", 1).update();
    EXPECT_EQ(g.element(3).icon_image, 1);
    g.set_int("NAV1_TO_FROM", 0).update();
    EXPECT_EQ(g.element(3).icon_image, 0);
}

TEST(UpdateWalk, StringBuffersAreAttachedAtInstall) {
    GaugeHarness g("TARVIK_GEAR");  // no strings: nothing attached, nothing to crash on
    EXPECT_EQ(g.gauge().elements.size(), 2u);
}

TEST(MouseDispatch, HitTestIsHalfOpenAtTheBoxEdges) {
    GaugeHarness g("TARVIK_GEAR");
    g.set("ON_GROUND", 0.0);
    g.update();
    struct Case {
        int x, y;
        bool hits;
    };
    const Case cases[] = {{0, 0, true}, {20, 76, true}, {21, 0, false}, {0, 77, false}, {-1, 0, false}, {0, -1, false}};
    for (auto c : cases) EXPECT_EQ(g.click(c.x, c.y), c.hits) << c.x << "," << c.y;
}

TEST(MouseDispatch, AreasOutsideTheBackgroundAnswerAndEventAreasSendTheirEvent) {
    auto g = walk();
    g.update();
    g.take_events();
    EXPECT_TRUE(g.click(-130, 10));
    EXPECT_TRUE(g.click(-119, 21));
    EXPECT_FALSE(g.click(-118, 21));
    EXPECT_TRUE(g.click(4, 4));
    auto ev = g.take_events();
    ASSERT_EQ(ev.size(), 3u);
    EXPECT_EQ(ev[0].id, EV_AREA);
    EXPECT_EQ(ev[0].parameter, 0u);
    EXPECT_EQ(ev[2].id, EV_HANDLER);
}

TEST(MouseDispatch, UnregisteredListAnswersNothing) {
    auto g = walk();
    g.gauge().mouse_registered = false;
    EXPECT_FALSE(g.click(4, 4));
    EXPECT_TRUE(g.take_events().empty());
}

struct AngleCase {
    double value;
    double angle;
};

TEST(NeedleAngles, TableAnglesContinueThroughFullTurns) {
    // An altimeter-like dial about (50,50): 0 at the top, 500 at the bottom, 1000 at the top again.
    tarvik::NonlinearityEntry table[] = {{50, 0, 0, 0}, {100, 50, 250, 0}, {50, 100, 500, 0}, {0, 50, 750, 0}, {50, 0, 1000, 0}};
    tarvik::Needle n{};
    n.position = {50, 50};
    n.table = table;
    n.table_count = 5;
    const AngleCase cases[] = {{0, 270}, {250, 360}, {500, 450}, {999, 629.64}, {1000, 630}, {-5, 270}, {2000, 630}};
    for (auto c : cases) EXPECT_NEAR(host::needle_target_angle(n, c.value), c.angle, 1e-9 + 0.01) << c.value;
}

TEST(NeedleAngles, TurnLimitStepsTowardsTheTarget) {
    EXPECT_EQ(host::needle_step(0, 35, 10), 10);
    EXPECT_EQ(host::needle_step(10, 35, 10), 20);
    EXPECT_EQ(host::needle_step(30, 35, 10), 35);
    EXPECT_EQ(host::needle_step(35, -10, 10), 25);
    EXPECT_EQ(host::needle_step(630, 270, 0), 270);  // no limit: at once
    EXPECT_EQ(host::needle_step(12, std::nan(""), 6), 12);  // a value without an angle leaves the needle where it was
}

TEST(IconImages, OnlyValuesInsideTheRangeSelectAnImage) {
    const std::pair<double, int> cases[] = {{0, 0}, {1, 1}, {1.7, 1}, {2, -1}, {-1, -1}, {-0.5, -1}, {std::nan(""), -1}, {1e300, -1}};
    for (auto [v, k] : cases) EXPECT_EQ(host::icon_image_for(v, 2), k) << v;
}

}  // namespace
