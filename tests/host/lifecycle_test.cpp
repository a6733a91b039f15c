// The lifecycle and service calls of a module, seen through a recording hook on the host.
#include <gtest/gtest.h>

#include <fstream>

#include "gauge_harness.h"
#include "host/host.h"
#include "tarvik/win32.h"

namespace {

using testing_support::module_path;
using testing_support::test_modules;

struct Recorder {
    std::vector<host::ServiceCall> calls;
    std::vector<int> slots() const {
        std::vector<int> s;
        for (auto& c : calls) s.push_back(c.slot);
        return s;
    }
};

TEST(Lifecycle, StandardRoutinesCallTheServicesInOrder) {
    host::MemoryVariables vars;
    host::EventLog keys;
    host::Host h(vars, keys);
    Recorder rec;
    h.on_service_call = [&](const host::ServiceCall& c) { rec.calls.push_back(c); };
    host::Status st;
    host::GaugeInstance* g = h.add_gauge(module_path("TARVIK_GEAR"), st);
    ASSERT_TRUE(g) << st.message;
    // query; install: bind ON_GROUND, install elements, mouse list with the loaded size, register; initialize.
    EXPECT_EQ(rec.slots(), (std::vector<int>{24, 38, 25, 32, 33, 26}));
    EXPECT_EQ(rec.calls[1].a, 60);  // ON_GROUND
    // The background's size reaches the mouse list only because it is read after the elements' install.
    EXPECT_EQ(rec.calls[3].a, 42);
    EXPECT_EQ(rec.calls[3].b, 77);
    rec.calls.clear();
    h.frame(*g);
    EXPECT_EQ(rec.slots(), (std::vector<int>{40, 27, 28, 29}));
    rec.calls.clear();
    h.remove_gauge(g);
    EXPECT_EQ(rec.slots(), (std::vector<int>{34, 31}));
}

TEST(Lifecycle, GaugeWithoutStandaloneVariablesBindsNone) {
    host::MemoryVariables vars;
    host::EventLog keys;
    host::Host h(vars, keys);
    Recorder rec;
    h.on_service_call = [&](const host::ServiceCall& c) { rec.calls.push_back(c); };
    host::Status st;
    host::GaugeInstance* g = h.add_gauge(test_modules() / "TEST_WALK.gau", st);
    ASSERT_TRUE(g) << st.message;
    h.frame(*g);
    for (auto& c : rec.calls) EXPECT_TRUE(c.slot != 38 && c.slot != 40) << "slot " << c.slot;
}

TEST(Lifecycle, EntryPointDisablesThreadCalls) {
    const uint32_t before = tarvik_thread_library_calls_disabled();
    testing_support::GaugeHarness gear("TARVIK_GEAR");
    // Loaded once per process: a module already loaded by another test does not run its entry again.
    EXPECT_GE(tarvik_thread_library_calls_disabled(), before);
    EXPECT_GE(tarvik_thread_library_calls_disabled(), 1u);
}

struct BadModule {
    const char* file;
    const char* says;
};

TEST(ModuleLoader, RefusesFilesThatAreNotGaugeModules) {
    const auto dir = test_modules();
    const auto text_file = std::filesystem::temp_directory_path() / "tarvik_not_a_module.gau";
    std::ofstream(text_file) << "just some text\n";
    const std::string text_path = text_file.string();
    const std::string missing = (dir / "NO_SUCH_MODULE.gau").string();
    const std::string no_linkage = (dir / "TEST_BAD_NO_LINKAGE.gau").string();
    const std::string no_imports = (dir / "TEST_BAD_NO_IMPORTS.gau").string();
    const std::string bad_id = (dir / "TEST_BAD_MODULE_ID.gau").string();
    const std::string bad_version = (dir / "TEST_BAD_VERSION.gau").string();
    const BadModule cases[] = {
        {missing.c_str(), "no such module file"},
        {text_path.c_str(), "not a loadable module"},
        {no_linkage.c_str(), "no Linkage export"},
        {no_imports.c_str(), "no ImportTable export"},
        {bad_id.c_str(), "module id is 18, not 19"},
        {bad_version.c_str(), "version is 609, not 610"},
    };
    host::MemoryVariables vars;
    host::EventLog keys;
    host::Host h(vars, keys);
    for (const auto& c : cases) {
        host::Status st;
        EXPECT_EQ(h.add_gauge(c.file, st), nullptr) << c.file;
        EXPECT_FALSE(st.ok);
        EXPECT_NE(st.message.find(c.says), std::string::npos) << st.message;
    }
    EXPECT_TRUE(h.gauges().empty());
    // The host still works after refusing them.
    host::Status st;
    EXPECT_NE(h.add_gauge(module_path("TARVIK_GEAR"), st), nullptr) << st.message;
    std::filesystem::remove(text_file);
}

TEST(ModuleLoader, InstallAndKillCyclesLeaveNothingBehind) {
    // Run under LeakSanitizer in CI: any allocation kept across cycles is reported at exit.
    host::MemoryVariables vars;
    host::EventLog keys;
    host::Host h(vars, keys);
    // Held open here so that the records can still be read after the host unloads its copy.
    std::unique_ptr<host::Module> keep;
    ASSERT_TRUE(host::Module::load(test_modules() / "TEST_WALK.gau", keep));
    for (int i = 0; i < 200; ++i) {
        host::Status st;
        host::GaugeInstance* g = h.add_gauge(test_modules() / "TEST_WALK.gau", st);
        ASSERT_TRUE(g) << st.message;
        h.frame(*g);
        tarvik::Element* root = g->root;
        h.remove_gauge(g);
        // The host takes its references back out of the records at kill.
        EXPECT_EQ(root->host_owned_a[0], 0u);
        EXPECT_EQ(root->loaded_image, 0u);
    }
    EXPECT_TRUE(h.gauges().empty());
}

}  // namespace
