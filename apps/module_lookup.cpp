#include "module_lookup.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "host/module.h"

namespace apps {

std::filesystem::path default_panel_root() {
    if (const char* env = std::getenv("TARVIK_PANEL_ROOT"); env && *env) return env;
    return TARVIK_DEFAULT_PANEL_ROOT;
}

host::Status find_module(const std::string& what, const std::filesystem::path& root, std::filesystem::path& out) {
    std::error_code ec;
    const std::filesystem::path direct(what);
    if ((what.find('/') != std::string::npos || direct.extension() == ".gau") && std::filesystem::exists(direct, ec)) {
        out = direct;
        return host::Status::success();
    }
    const auto by_module = root / (what + ".gau");
    if (std::filesystem::exists(by_module, ec)) {
        out = by_module;
        return host::Status::success();
    }
    std::vector<std::filesystem::path> files;
    for (auto& entry : std::filesystem::directory_iterator(root, ec))
        if (entry.path().extension() == ".gau") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (auto& f : files) {
        std::unique_ptr<host::Module> m;
        if (host::Module::load(f, m) && m->gauge().name == what) {
            out = f;
            return host::Status::success();
        }
    }
    return host::Status::error("no module or gauge named '" + what + "' in " + root.string());
}

}  // namespace apps
