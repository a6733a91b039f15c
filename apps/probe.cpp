#include "probe.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/catalogue.h"
#include "host/host.h"
#include "module_lookup.h"
#include "probe_hooks.h"
#include "snapshot.h"

namespace apps {

namespace {

constexpr int EXIT_USAGE = 2;
constexpr int EXIT_REFUSED = 3;

const char* HELP =
    "usage: tarvik probe MODULE [--root DIR] [STEP...]\n"
    "\n"
    "Loads one gauge module through the host's loader, runs the steps in command-line order and\n"
    "prints one JSON document: {\"module\", \"gauge\", \"dumps\": [SNAPSHOT...]}.\n"
    "\n"
    "MODULE is a module name (TARVIK_GEAR), a gauge name found among the build's modules\n"
    "(TRAVIK_LIGHT_SWITCH), or a path to a module file.\n"
    "\n"
    "options:\n"
    "  --root DIR            the panel root: where modules are found and the host's working folder,\n"
    "                        against which relative resource paths (sound files) resolve\n"
    "steps:\n"
    "  --set NAME=VALUE      set a host variable by catalogue name or token number: a number for\n"
    "                        double forms, a whole number (decimal or 0x hex) for 32-bit integer and\n"
    "                        BCD forms, a string for text forms\n"
    "  --update [N]          run N frames of update, generate and draw (default 1)\n"
    "  --click X,Y           click at that gauge-frame pixel\n"
    "  --selection CODE      set the host's current radio selection (highlight lists)\n"
    "  --dump                take a snapshot of the gauge's state\n"
    "  --png FILE            write the gauge as drawn to a PNG file\n"
    "\n"
    "A snapshot: {\"frame\", \"elements\", \"events\", \"windows\", \"sounds\"}; events, window toggles and\n"
    "sound plays are those since the previous snapshot. Host variables start at 0 (texts empty) and\n"
    "change only through --set; key events are recorded, not performed.\n"
    "\n"
    "exit status: 0 done; 2 unknown variable, malformed value or step; 3 module refused.\n";

struct Step {
    std::string kind;
    std::string arg;
};

int fail_usage(const std::string& message) {
    fprintf(stderr, "tarvik probe: %s\n", message.c_str());
    return EXIT_USAGE;
}

bool parse_int(const std::string& s, long long lo, long long hi, long long& out) {
    if (s.empty()) return false;
    const char* p = s.c_str();
    bool neg = false;
    if (*p == '-' || *p == '+') neg = *p++ == '-';
    int base = 10;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) base = 16, p += 2;
    if (!*p) return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = strtoull(p, &end, base);
    if (errno || *end || *p == '-' || *p == '+' || *p == ' ') return false;
    if (v > static_cast<unsigned long long>(hi) + (neg ? 1ull : 0ull)) return false;
    out = neg ? -static_cast<long long>(v) : static_cast<long long>(v);
    return out >= lo && out <= hi;
}

bool parse_double(const std::string& s, double& out) {
    if (s.empty() || isspace(static_cast<unsigned char>(s[0]))) return false;
    errno = 0;
    char* end = nullptr;
    out = strtod(s.c_str(), &end);
    return *end == '\0' && errno != ERANGE;
}

}  // namespace

// Applies --set to the variables; returns an error message, or empty on success.
std::string apply_set(host::MemoryVariables& vars, const std::string& arg) {
    const auto eq = arg.find('=');
    if (eq == std::string::npos || eq == 0) return "--set wants NAME=VALUE, got '" + arg + "'";
    const std::string name = arg.substr(0, eq), value = arg.substr(eq + 1);
    const host::VariableInfo* info = host::find_variable(name);
    long long token;
    if (!info && parse_int(name, 1, INT32_MAX, token)) info = host::find_variable(static_cast<int32_t>(token));
    if (!info) return "unknown variable '" + name + "'";
    switch (info->form) {
        case tarvik::VarForm::DOUBLE: {
            double d;
            if (!parse_double(value, d)) return "variable " + std::string(info->name) + " wants a number, got '" + value + "'";
            vars.set_double(info->token, d);
            break;
        }
        case tarvik::VarForm::INT32:
        case tarvik::VarForm::BCD: {
            long long v;
            if (!parse_int(value, INT32_MIN, UINT32_MAX, v))
                return "variable " + std::string(info->name) + " wants a 32-bit whole number, got '" + value + "'";
            vars.set_int(info->token, static_cast<int32_t>(static_cast<uint32_t>(v)));
            break;
        }
        case tarvik::VarForm::TEXT:
            vars.set_text(info->token, value);
            break;
    }
    return {};
}

int probe_main(int argc, char** argv) {
    std::string module_arg;
    std::filesystem::path root = default_panel_root();
    std::vector<Step> steps;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto need = [&](const char* what) -> const char* {
            if (i + 1 >= argc) return nullptr;
            (void)what;
            return argv[++i];
        };
        if (a == "--help" || a == "-h") {
            fputs(HELP, stdout);
            return 0;
        } else if (a == "--root") {
            const char* v = need("DIR");
            if (!v) return fail_usage("--root wants a folder");
            root = v;
        } else if (a == "--set" || a == "--click" || a == "--selection" || a == "--png") {
            const char* v = need("value");
            if (!v) return fail_usage(a + " wants a value");
            steps.push_back({a, v});
        } else if (a == "--update") {
            std::string n = "1";
            if (i + 1 < argc && argv[i + 1][0] != '-') n = argv[++i];
            steps.push_back({a, n});
        } else if (a == "--dump") {
            steps.push_back({a, ""});
        } else if (a.rfind("--", 0) == 0) {
            return fail_usage("unknown step '" + a + "' (see --help)");
        } else if (module_arg.empty()) {
            module_arg = a;
        } else {
            return fail_usage("unexpected argument '" + a + "'");
        }
    }
    if (module_arg.empty()) return fail_usage("which module? (see --help)");

    // Check every step before loading anything, so that a typo costs nothing and changes nothing.
    host::MemoryVariables check_vars;
    for (auto& s : steps) {
        long long v;
        if (s.kind == "--set") {
            if (auto err = apply_set(check_vars, s.arg); !err.empty()) return fail_usage(err);
        } else if (s.kind == "--update") {
            if (!parse_int(s.arg, 0, 100000000, v)) return fail_usage("--update wants a frame count, got '" + s.arg + "'");
        } else if (s.kind == "--click") {
            const auto comma = s.arg.find(',');
            long long x, y;
            if (comma == std::string::npos || !parse_int(s.arg.substr(0, comma), INT32_MIN, INT32_MAX, x) ||
                !parse_int(s.arg.substr(comma + 1), INT32_MIN, INT32_MAX, y))
                return fail_usage("--click wants X,Y, got '" + s.arg + "'");
        } else if (s.kind == "--selection") {
            if (!parse_int(s.arg, INT32_MIN, INT32_MAX, v)) return fail_usage("--selection wants a code, got '" + s.arg + "'");
        }
    }

    std::filesystem::path file;
    if (auto st = find_module(module_arg, root, file); !st) {
        fprintf(stderr, "tarvik probe: %s\n", st.message.c_str());
        return EXIT_REFUSED;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(root, ec)) std::filesystem::current_path(root, ec);
    file = std::filesystem::absolute(file, ec);

    host::MemoryVariables vars;
    host::EventLog log;
    host::Host h(vars, log);
    ProbeHooks hooks(h);
    host::Status status;
    host::GaugeInstance* g = h.add_gauge(file, status);
    if (!g) {
        fprintf(stderr, "tarvik probe: %s\n", status.message.c_str());
        return EXIT_REFUSED;
    }

    Json dumps = Json::array();
    size_t events_seen = 0;
    for (auto& s : steps) {
        long long v;
        if (s.kind == "--set") {
            apply_set(vars, s.arg);
        } else if (s.kind == "--update") {
            parse_int(s.arg, 0, 100000000, v);
            for (long long k = 0; k < v; ++k) h.frame(*g);
        } else if (s.kind == "--click") {
            const auto comma = s.arg.find(',');
            long long x, y;
            parse_int(s.arg.substr(0, comma), INT32_MIN, INT32_MAX, x);
            parse_int(s.arg.substr(comma + 1), INT32_MIN, INT32_MAX, y);
            h.click(*g, static_cast<int32_t>(x), static_cast<int32_t>(y));
        } else if (s.kind == "--selection") {
            parse_int(s.arg, INT32_MIN, INT32_MAX, v);
            h.set_selection(static_cast<int32_t>(v));
        } else if (s.kind == "--dump") {
            std::vector<host::KeyEventRecord> events(log.events.begin() + static_cast<ptrdiff_t>(events_seen), log.events.end());
            events_seen = log.events.size();
            dumps.push_back(snapshot(h, *g, events, h.take_window_toggles(), hooks.take_sounds()));
        } else if (s.kind == "--png") {
            if (auto st = hooks.write_png(*g, s.arg); !st) {
                fprintf(stderr, "tarvik probe: %s\n", st.message.c_str());
                return 1;
            }
        }
    }
    Json out;
    out["module"] = g->module->name();
    out["gauge"] = g->header->name;
    out["dumps"] = dumps;
    std::cout << out.dump(2) << "\n";
    return 0;
}

}  // namespace apps
