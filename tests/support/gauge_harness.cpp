#include "gauge_harness.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "host/catalogue.h"

namespace testing_support {

std::filesystem::path panel_root() { return TARVIK_TEST_PANEL_ROOT; }
std::filesystem::path test_modules() { return TARVIK_TEST_MODULES; }
std::filesystem::path module_path(const std::string& name) { return panel_root() / (name + ".gau"); }

GaugeHarness::GaugeHarness(const std::string& what) {
    host_ = std::make_unique<host::Host>(vars_, keys_);
    const std::filesystem::path file = what.find('/') != std::string::npos ? std::filesystem::path(what) : module_path(what);
    host::Status st;
    gauge_ = host_->add_gauge(file, st);
    if (!gauge_) throw std::runtime_error("cannot load " + file.string() + ": " + st.message);
}

namespace {
const host::VariableInfo& info_of(const std::string& name) {
    const host::VariableInfo* info = host::find_variable(name);
    if (!info) throw std::runtime_error("no host variable named " + name);
    return *info;
}
}  // namespace

GaugeHarness& GaugeHarness::set(const std::string& name, double v) {
    const auto& info = info_of(name);
    if (info.form == tarvik::VarForm::DOUBLE) vars_.set_double(info.token, v);
    else vars_.set_int(info.token, static_cast<int32_t>(v));
    return *this;
}

GaugeHarness& GaugeHarness::set_int(const std::string& name, int32_t v) {
    vars_.set_int(info_of(name).token, v);
    return *this;
}

GaugeHarness& GaugeHarness::set_text(const std::string& name, const std::string& v) {
    vars_.set_text(info_of(name).token, v);
    return *this;
}

GaugeHarness& GaugeHarness::update(int frames) {
    for (int i = 0; i < frames; ++i) host_->frame(*gauge_);
    return *this;
}

bool GaugeHarness::click(int32_t x, int32_t y) { return host_->click(*gauge_, x, y); }

std::vector<host::KeyEventRecord> GaugeHarness::take_events() {
    std::vector<host::KeyEventRecord> out(keys_.events.begin() + static_cast<ptrdiff_t>(events_seen_), keys_.events.end());
    events_seen_ = keys_.events.size();
    return out;
}

apps::Json GaugeHarness::dump() {
    auto events = take_events();
    return apps::snapshot(*host_, *gauge_, events, host_->take_window_toggles(), apps::Json::array());
}

int run_tarvik(const std::string& args, std::string& out) {
    const std::string cmd = std::string(TARVIK_BINARY) + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    std::array<char, 4096> buf;
    out.clear();
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    const int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace testing_support
