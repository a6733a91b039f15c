#include "probe_hooks.h"

namespace apps {

ProbeHooks::ProbeHooks(host::Host& h) : host_(h) {}
ProbeHooks::~ProbeHooks() = default;

Json ProbeHooks::take_sounds() { return Json::array(); }

host::Status ProbeHooks::write_png(host::GaugeInstance&, const std::string&) {
    return host::Status::error("--png: this build has no renderer yet");
}

}  // namespace apps
