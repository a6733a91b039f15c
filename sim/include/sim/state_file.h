// Initial states as data: TOML files whose [variables] table sets host variables by catalogue name.
//
//     description = "ready for take-off, runway 27"
//     [variables]
//     ON_GROUND = 1
//     NAV1_FREQUENCY = "110.90"      # a NAV or COM frequency as MHz text, or its BCD word: 0x1090
//     TRANSPONDER_CODE = 0x1200
//     NAV1_IDENTIFIER = "ITV"
//
// Entries apply in the order they are written. An unknown name, a value of the wrong kind or a
// malformed file is an error naming the file and line, and leaves the simulation untouched.
#pragma once

#include <filesystem>
#include <string_view>

#include "host/status.h"
#include "sim/simulation.h"

namespace sim {

host::Status load_state(Simulation& s, const std::filesystem::path& file);
// The same from text; `source` names it in messages.
host::Status apply_state(Simulation& s, std::string_view text, std::string_view source);

// The folder of the state files that come with the simulation.
std::filesystem::path states_folder();

}  // namespace sim
