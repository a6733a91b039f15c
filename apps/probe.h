// `tarvik probe`: loads one gauge, runs the steps of its command line in order and prints what the
// gauge did as one JSON document.
#pragma once

#include <string>

#include "host/variables.h"

namespace apps {
int probe_main(int argc, char** argv);

// Sets a host variable from NAME=VALUE (catalogue name or token number; the value parsed by the
// variable's form). Returns an error message, or empty on success. Shared with `tarvik render`.
std::string apply_set(host::MemoryVariables& vars, const std::string& name_equals_value);
}
