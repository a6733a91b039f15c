// A gauge loaded through the real loader into a host with in-memory variables and a key-event log:
// what every gauge test drives.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "snapshot.h"

namespace testing_support {

std::filesystem::path panel_root();
std::filesystem::path test_modules();
std::filesystem::path module_path(const std::string& module_name);  // in the panel root

class GaugeHarness {
public:
    // Loads <panel root>/<module>.gau, or the file at `path` when it holds a slash.
    explicit GaugeHarness(const std::string& module_or_path);

    host::GaugeInstance& gauge() { return *gauge_; }
    host::Host& host() { return *host_; }
    host::MemoryVariables& vars() { return vars_; }

    // Host variables by catalogue name; the form decides how the value is stored.
    GaugeHarness& set(const std::string& name, double value);
    GaugeHarness& set_int(const std::string& name, int32_t value);
    GaugeHarness& set_text(const std::string& name, const std::string& value);

    GaugeHarness& update(int frames = 1);
    bool click(int32_t x, int32_t y);

    // Key events since the last call.
    std::vector<host::KeyEventRecord> take_events();

    const host::ElementState& element(size_t index) const { return *gauge_->elements.at(index); }
    std::string text(size_t index) const { return element(index).text.data(); }
    bool hidden(size_t index) const { return tarvik::is_hidden(*element(index).element); }
    apps::Json dump();

private:
    host::MemoryVariables vars_;
    host::EventLog keys_;
    std::unique_ptr<host::Host> host_;
    host::GaugeInstance* gauge_ = nullptr;
    size_t events_seen_ = 0;
};

// Runs the tarvik command with arguments; returns its exit status and standard output.
int run_tarvik(const std::string& args, std::string& out);

}  // namespace testing_support
