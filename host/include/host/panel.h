// A panel: the windows of a panel file with their gauges loaded into a host, drawn together onto one
// framebuffer in panel (screen) pixels, and panel pixels mapped back to gauge-frame points for clicks.
//
// Placement: a gauge placed at (x, y) in a window at (wx, wy) with scale s (its width over its native
// width, the header's nominal width or else its background's) shows its gauge-frame point P at panel
// point (wx + x + s * P.x, wy + y + s * P.y), elements outside its background included; it is clipped
// to its window. Windows are drawn in file order (the main panel first), gauges in number order, so
// later ones lie on top and take clicks first.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/compositor.h"
#include "host/host.h"
#include "host/panel_config.h"

namespace host {

struct PlacedGauge {
    size_t window = 0;  // index into the config's windows
    GaugeInstance* gauge = nullptr;
    double origin_x = 0, origin_y = 0;  // panel point of the gauge's origin
    double scale = 1.0;
    Framebuffer native;  // the gauge drawn at its own scale, reused frame to frame
};

struct PanelHit {
    size_t placement;  // index into Panel::placements()
    GaugeInstance* gauge;
    int32_t x, y;  // the gauge-frame point
};

class Panel {
public:
    // Turns a module name from the file into the module file to load.
    using ModuleFinder = std::function<Status(const std::string& module, std::filesystem::path& file)>;

    // Loads every gauge the config names into the host (a module named twice is loaded once and placed
    // twice) and declares the windows with their visibility. A module that cannot be found or loaded, or
    // whose gauge has another name, fails with a message naming the file and line.
    Status load(const PanelConfig& config, Host& host, const ModuleFinder& find);

    const PanelConfig& config() const { return config_; }
    const std::vector<PlacedGauge>& placements() const { return placements_; }

    // The union of the visible windows' rectangles, in panel pixels.
    Rect screen_rect(const Host& host) const;

    // Draws every visible window and its gauges, as their last update left them, into `out`, which is
    // sized to screen_rect and cleared to transparent first.
    void draw(const Host& host, Filter filter, Framebuffer& out);

    // The topmost placed gauge whose drawing bounds hold the panel pixel, and the gauge-frame point
    // there; none outside every visible gauge.
    std::optional<PanelHit> hit(const Host& host, int32_t px, int32_t py) const;

private:
    PanelConfig config_;
    std::vector<PlacedGauge> placements_;
};

}  // namespace host
