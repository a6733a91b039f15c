// What the probe needs from the parts of the host that draw and sound: written as one small seam so
// that the probe's own logic does not change as those parts grow.
#pragma once

#include <string>

#include "host/host.h"
#include "snapshot.h"

namespace apps {

class ProbeHooks {
public:
    explicit ProbeHooks(host::Host& h);
    ~ProbeHooks();
    // Plays of the sound device since the last call.
    Json take_sounds();
    // The gauge drawn as it stands, written to a PNG file.
    host::Status write_png(host::GaugeInstance& g, const std::string& path);

private:
    host::Host& host_;
};

}  // namespace apps
