// The probe's --png step.
#include "probe_hooks.h"

namespace apps {

host::Status ProbeHooks::write_png(host::GaugeInstance&, const std::string&) {
    return host::Status::error("--png: this build has no renderer yet");
}

}  // namespace apps
