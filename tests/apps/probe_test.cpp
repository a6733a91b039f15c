// The probe command as a user runs it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "gauge_harness.h"

namespace {

using testing_support::run_tarvik;

TEST(Probe, GearClickShowsOneGearToggle) {
    std::string out;
    ASSERT_EQ(run_tarvik("probe TARVIK_GEAR --set ON_GROUND=0 --click 5,5 --update --dump", out), 0);
    auto j = nlohmann::json::parse(out);
    EXPECT_EQ(j["module"], "TARVIK_GEAR");
    EXPECT_EQ(j["gauge"], "TARVIK_GEAR");
    ASSERT_EQ(j["dumps"].size(), 1u);
    auto& d = j["dumps"][0];
    EXPECT_EQ(d["frame"], 1);
    ASSERT_EQ(d["events"].size(), 1u);
    EXPECT_EQ(d["events"][0]["name"], "KEY_GEAR_TOGGLE");
    EXPECT_EQ(d["events"][0]["param"], 0);
    EXPECT_EQ(d["elements"][1]["kind"], "Slider");
}

TEST(Probe, StepsRunInOrderAndEventsAreCountedPerSnapshot) {
    std::string out;
    ASSERT_EQ(run_tarvik("probe TARVIK_GEAR --click 5,5 --dump --set 60=1 --update --click 5,5 "
                         "--set GEAR_HANDLE_POSITION=16384 --update 2 --dump",
                         out),
              0);
    auto j = nlohmann::json::parse(out);
    ASSERT_EQ(j["dumps"].size(), 2u);
    EXPECT_EQ(j["dumps"][0]["events"].size(), 1u);
    // Set by token number, ON_GROUND reaches the gauge at the next update: the click is then refused.
    EXPECT_EQ(j["dumps"][1]["events"].size(), 0u);
    EXPECT_EQ(j["dumps"][1]["frame"], 3);
    EXPECT_EQ(j["dumps"][1]["elements"][1]["values"]["y"], 16384.0);
}

TEST(Probe, BadInputGivesExitTwoAndARefusedModuleThree) {
    const std::pair<const char*, int> cases[] = {
        {"probe TARVIK_GEAR --set NO_SUCH_VAR=1", 2},
        {"probe TARVIK_GEAR --set ON_GROUND=abc", 2},
        {"probe TARVIK_GEAR --set NAV1_TO_FROM=1.5", 2},
        {"probe TARVIK_GEAR --set ON_GROUND", 2},
        {"probe TARVIK_GEAR --click 5", 2},
        {"probe TARVIK_GEAR --update x", 2},
        {"probe TARVIK_GEAR --frobnicate", 2},
        {"probe", 2},
        {"probe NO_SUCH_GAUGE --dump", 3},
        {"probe /dev/null --dump", 3},
    };
    for (auto [args, code] : cases) {
        std::string out;
        EXPECT_EQ(run_tarvik(args, out), code) << args;
        EXPECT_TRUE(out.empty()) << args;
    }
}

TEST(Probe, FindsAModuleByItsGaugeName) {
    std::string out;
    ASSERT_EQ(run_tarvik("probe TARVIK_GEAR --dump", out), 0);
    EXPECT_EQ(nlohmann::json::parse(out)["gauge"], "TARVIK_GEAR");
}

}  // namespace
