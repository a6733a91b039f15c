// The JSON snapshot of a gauge's state that the probe prints and the gauge tests read.
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "host/host.h"

namespace apps {

using Json = nlohmann::ordered_json;

// Element kind names as gauge authors know them.
const char* kind_name(int32_t kind);

// The highlighted [first, last] character range of a string under a selection, or none.
bool highlight_range(const tarvik::StringElement& s, int32_t selection, int32_t& first, int32_t& last);

// One snapshot: the elements in drawing order with their values, plus the key events, window toggles
// and sound plays given (those since the previous snapshot).
Json snapshot(const host::Host& h, const host::GaugeInstance& g, const std::vector<host::KeyEventRecord>& events,
              const std::vector<host::WindowToggle>& windows, const Json& sounds);

Json element_json(const host::ElementState& s, int32_t selection);

}  // namespace apps
