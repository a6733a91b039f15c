#include "snapshot.h"

#include <cmath>

#include "host/catalogue.h"
#include "host/compositor.h"

namespace apps {

using namespace tarvik;

const char* kind_name(int32_t kind) {
    switch (kind) {
        case KIND_STATIC_IMAGE: return "StaticImage";
        case KIND_NEEDLE: return "Needle";
        case KIND_STRING: return "StringElement";
        case KIND_SLIDER: return "Slider";
        case KIND_ICON: return "Icon";
        case KIND_MOVING_IMAGE: return "MovingImage";
        case KIND_SPRITE: return "Sprite";
    }
    return "Unknown";
}

bool highlight_range(const StringElement& s, int32_t selection, int32_t& first, int32_t& last) {
    return host::highlight_range(s, selection, first, last);
}

namespace {
// JSON has no NaN or infinity: such values are written as null.
Json number(double v) { return std::isfinite(v) ? Json(v) : Json(nullptr); }
}  // namespace

Json element_json(const host::ElementState& s, int32_t selection) {
    const Element& e = *s.element;
    Json j;
    j["index"] = s.index;
    j["parent"] = s.parent;
    j["kind"] = kind_name(e.kind);
    j["resource"] = e.resource;
    j["x"] = e.position.x;
    j["y"] = e.position.y;
    j["hidden"] = is_hidden(e);
    Json values = Json::object();
    switch (e.kind) {
        case KIND_NEEDLE:
            values["value"] = number(s.value);
            j["angle"] = number(s.needle_angle);
            break;
        case KIND_ICON:
            values["value"] = number(s.value);
            j["image"] = s.icon_image;
            break;
        case KIND_SLIDER:
        case KIND_MOVING_IMAGE: {
            auto used = [](const TokenVar& v, ValueCallback cb) { return block_used(v, cb); };
            bool ux, uy;
            if (e.kind == KIND_SLIDER) {
                auto& sl = static_cast<const Slider&>(e);
                ux = used(sl.x.source, sl.x.callback), uy = used(sl.y.source, sl.y.callback);
            } else {
                auto& mi = static_cast<const MovingImage&>(e);
                ux = used(mi.x.source, mi.x.callback), uy = used(mi.y.source, mi.y.callback);
            }
            if (ux) values["x"] = number(s.x);
            if (uy) values["y"] = number(s.y);
            break;
        }
        case KIND_SPRITE: {
            auto& sp = static_cast<const Sprite&>(e);
            if (block_used(sp.x.source, sp.x.callback)) values["x"] = number(s.x);
            if (block_used(sp.y.source, sp.y.callback)) values["y"] = number(s.y);
            if (block_used(sp.angle.source, sp.angle.callback)) values["angle"] = number(s.angle_value);
            break;
        }
        case KIND_STRING: {
            auto& str = static_cast<const StringElement&>(e);
            j["text"] = std::string(s.text.data());
            int32_t first, last;
            if (highlight_range(str, selection, first, last)) j["highlight"] = Json::array({first, last});
            else j["highlight"] = nullptr;
            break;
        }
        default:
            break;
    }
    j["values"] = values;
    return j;
}

Json snapshot(const host::Host& h, const host::GaugeInstance& g, const std::vector<host::KeyEventRecord>& events,
              const std::vector<host::WindowToggle>& windows, const Json& sounds) {
    Json j;
    j["frame"] = g.frames;
    Json elements = Json::array();
    for (auto& s : g.elements) elements.push_back(element_json(*s, h.selection()));
    j["elements"] = elements;
    Json ev = Json::array();
    for (auto& e : events) {
        const host::KeyEventInfo* info = host::find_key_event(e.id);
        ev.push_back({{"id", e.id}, {"name", info ? std::string(info->name) : std::string("UNKNOWN")}, {"param", static_cast<int32_t>(e.parameter)}});
    }
    j["events"] = ev;
    Json win = Json::array();
    for (auto& w : windows) win.push_back({{"id", w.id}, {"visible", w.visible}});
    j["windows"] = win;
    j["sounds"] = sounds.is_null() ? Json::array() : sounds;
    return j;
}

}  // namespace apps
