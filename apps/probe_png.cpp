// The probe's --png step: the gauge drawn as its last update left it, at native scale.
#include "host/compositor.h"
#include "probe_hooks.h"

namespace apps {

host::Status ProbeHooks::write_png(host::GaugeInstance& g, const std::string& path) {
    host::Framebuffer fb;
    host::render_gauge(g, host_.selection(), fb);
    if (fb.width <= 0 || fb.height <= 0) return host::Status::error("--png: the gauge draws nothing");
    return host::write_png(fb, path);
}

}  // namespace apps
