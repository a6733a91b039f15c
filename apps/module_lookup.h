// Finding a module by module name, gauge name or path.
#pragma once

#include <filesystem>
#include <string>

#include "host/status.h"

namespace apps {

// The folder of the build's modules and the host's working folder, unless the command line says otherwise.
std::filesystem::path default_panel_root();

// `what` is a path to a module file (it has a slash or ends in .gau and exists), a module name
// (<root>/<what>.gau), or a gauge name found among the modules in the root.
host::Status find_module(const std::string& what, const std::filesystem::path& root, std::filesystem::path& out);

}  // namespace apps
