#include "host/panel.h"

#include <cmath>
#include <map>

namespace host {

namespace {

Rect window_rect(const PanelWindowEntry& w) { return {w.x, w.y, w.width, w.height}; }

// The width a gauge is drawn at natively: its header's nominal width, or its background's.
int32_t native_width(const GaugeInstance& g) {
    if (g.header && g.header->nominal_width > 0) return g.header->nominal_width;
    if (!g.elements.empty() && g.elements.front()->image) return g.elements.front()->image->width;
    return 0;
}

}  // namespace

Status Panel::load(const PanelConfig& config, Host& host, const ModuleFinder& find) {
    config_ = config;
    placements_.clear();
    std::map<std::string, GaugeInstance*> loaded;
    for (size_t wi = 0; wi < config_.windows.size(); ++wi) {
        const PanelWindowEntry& w = config_.windows[wi];
        host.declare_window(w.ident, w.visible);
        for (const PanelGaugeEntry& e : w.gauges) {
            const std::string where = config_.file + ":" + std::to_string(e.line) + ": ";
            GaugeInstance*& g = loaded[e.module];
            if (!g) {
                std::filesystem::path file;
                if (Status st = find(e.module, file); !st) return Status::error(where + st.message);
                for (auto& existing : host.gauges())
                    if (existing->module && existing->module->name() == e.module) g = existing.get();
                if (!g) {
                    Status st;
                    g = host.add_gauge(file, st);
                    if (!g) return Status::error(where + st.message);
                }
            }
            if (e.gauge != (g->header->name ? g->header->name : ""))
                return Status::error(where + "module " + e.module + " holds gauge " + (g->header->name ? g->header->name : "(unnamed)") +
                                     ", not " + e.gauge);
            PlacedGauge p;
            p.window = wi;
            p.gauge = g;
            p.origin_x = static_cast<double>(w.x) + e.x;
            p.origin_y = static_cast<double>(w.y) + e.y;
            const int32_t native = native_width(*g);
            p.scale = e.width > 0 && native > 0 ? static_cast<double>(e.width) / native : 1.0;
            placements_.push_back(std::move(p));
        }
    }
    return Status::success();
}

Rect Panel::screen_rect(const Host& host) const {
    Rect r;
    for (auto& w : config_.windows)
        if (host.window_visible(w.ident)) r = unite(r, window_rect(w));
    return r;
}

void Panel::draw(const Host& host, Filter filter, Framebuffer& out) {
    const Rect screen = screen_rect(host);
    out.origin_x = screen.x;
    out.origin_y = screen.y;
    out.resize(screen.w, screen.h);
    out.clear(0);
    for (size_t wi = 0; wi < config_.windows.size(); ++wi) {
        const PanelWindowEntry& w = config_.windows[wi];
        if (!host.window_visible(w.ident)) continue;
        const Rect wr = intersect(window_rect(w), out.frame_rect());
        if (w.has_background) {
            const Pixel bg = pixel_of_bgr(w.background_bgr);
            for (int32_t y = wr.y; y < wr.bottom(); ++y) std::fill_n(out.row(y - out.origin_y) + (wr.x - out.origin_x), wr.w, bg);
        }
        for (PlacedGauge& p : placements_) {
            if (p.window != wi) continue;
            render_gauge(*p.gauge, host.selection(), p.native);
            blit_scaled(p.native, p.origin_x, p.origin_y, p.scale, filter, wr, out);
        }
    }
}

std::optional<PanelHit> Panel::hit(const Host& host, int32_t px, int32_t py) const {
    for (size_t i = placements_.size(); i-- > 0;) {
        const PlacedGauge& p = placements_[i];
        const PanelWindowEntry& w = config_.windows[p.window];
        if (!host.window_visible(w.ident) || !window_rect(w).contains(px, py)) continue;
        // The same rule the drawing uses: the pixel's centre, taken back into the gauge frame.
        const double fx = std::floor((px + 0.5 - p.origin_x) / p.scale), fy = std::floor((py + 0.5 - p.origin_y) / p.scale);
        if (!(std::fabs(fx) < 1e7 && std::fabs(fy) < 1e7)) continue;
        const auto gx = static_cast<int32_t>(fx), gy = static_cast<int32_t>(fy);
        if (gauge_bounds(*p.gauge).contains(gx, gy)) return PanelHit{i, p.gauge, gx, gy};
    }
    return std::nullopt;
}

}  // namespace host
