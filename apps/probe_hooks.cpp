#include "probe_hooks.h"

namespace apps {

ProbeHooks::ProbeHooks(host::Host& h) : host_(h) {}
ProbeHooks::~ProbeHooks() = default;

}  // namespace apps
