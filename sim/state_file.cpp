#include "sim/state_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <vector>

#include <toml++/toml.h>

#include "host/catalogue.h"
#include "sim/radio.h"
#include "tarvik/numeric.h"

namespace sim {

namespace {

std::string where(std::string_view source, const toml::source_region& r) {
    return std::string(source) + ":" + std::to_string(r.begin.line);
}

// A frequency written as MHz text ("110.90") as its BCD word, or -1.
int64_t frequency_text(const std::string& text) {
    char* end = nullptr;
    const double mhz = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end || !std::isfinite(mhz)) return -1;
    const long hundredths = std::lround(mhz * 100);
    if (hundredths < 10000 || hundredths > 19999 || std::fabs(mhz * 100 - hundredths) > 1e-6) return -1;
    return frequency_bcd(static_cast<int>(hundredths));
}

host::Status apply_entry(Simulation& s, const host::VariableInfo& info, const toml::node& value, const std::string& at) {
    const std::string name(info.name);
    if (info.form == tarvik::VarForm::TEXT) {
        if (!value.is_string()) return host::Status::error(at + ": " + name + " wants text in quotes");
        s.set_text(info.token, value.as_string()->get());
        return {};
    }
    if (value.is_string()) {
        const bool tunable = info.token == tarvik::NAV1_FREQUENCY || info.token == tarvik::NAV2_FREQUENCY ||
                             info.token == tarvik::COM_FREQUENCY;
        const int64_t bcd = tunable ? frequency_text(value.as_string()->get()) : -1;
        if (bcd < 0)
            return host::Status::error(at + ": " + name + (tunable ? " wants a frequency such as \"110.90\"" : " wants a number"));
        s.set_int(info.token, static_cast<int32_t>(bcd));
        return {};
    }
    double number;
    if (auto n = value.as_integer())
        number = static_cast<double>(n->get());
    else if (auto f = value.as_floating_point())
        number = f->get();
    else if (auto b = value.as_boolean())
        number = b->get() ? 1.0 : 0.0;
    else
        return host::Status::error(at + ": " + name + " wants a number");
    if (info.form == tarvik::VarForm::BCD && !bcd_valid(static_cast<uint32_t>(tarvik::to_int32(number)), 8))
        return host::Status::error(at + ": " + name + " wants BCD digits (write it in hex, such as 0x1200)");
    if (auto st = s.set_by_name(info.name, number); !st) return host::Status::error(at + ": " + st.message);
    return {};
}

}  // namespace

host::Status apply_state(Simulation& s, std::string_view text, std::string_view source) {
    toml::table root;
    try {
        root = toml::parse(text, std::string_view(source));
    } catch (const toml::parse_error& err) {
        return host::Status::error(where(source, err.source()) + ": " + std::string(err.description()));
    }
    const toml::table* vars = nullptr;
    for (auto&& [key, node] : root) {
        const std::string at = where(source, node.source());
        if (key.str() == "description") {
            if (!node.is_string()) return host::Status::error(at + ": description wants text");
        } else if (key.str() == "variables") {
            vars = node.as_table();
            if (!vars) return host::Status::error(at + ": variables wants a table");
        } else {
            return host::Status::error(at + ": unknown entry '" + std::string(key.str()) + "' (expected description or [variables])");
        }
    }
    if (!vars) return {};

    struct Entry {
        uint32_t line;
        const host::VariableInfo* info;
        const toml::node* value;
    };
    std::vector<Entry> entries;
    for (auto&& [key, node] : *vars) {
        const host::VariableInfo* info = host::find_variable(key.str());
        if (!info) return host::Status::error(where(source, key.source()) + ": unknown variable '" + std::string(key.str()) + "'");
        entries.push_back({key.source().begin.line, info, &node});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.line < b.line; });

    Simulation staged = s;
    for (auto& e : entries)
        if (auto st = apply_entry(staged, *e.info, *e.value, std::string(source) + ":" + std::to_string(e.line)); !st) return st;
    s = staged;
    return {};
}

host::Status load_state(Simulation& s, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return host::Status::error(file.string() + ": cannot open the state file");
    std::ostringstream text;
    text << in.rdbuf();
    return apply_state(s, text.str(), file.string());
}

std::filesystem::path states_folder() { return TARVIK_SIM_STATES; }

}  // namespace sim
