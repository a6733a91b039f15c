// [SECTION] Needle, icon and value rules
// [SECTION] The services table
// [SECTION] Loading and lifecycle
// [SECTION] Element install, update walk and kill
// [SECTION] Mouse dispatch and panel windows
#include "host/host.h"

#include <cmath>
#include <set>

#include "host/catalogue.h"
#include "tarvik/numeric.h"

namespace host {

using namespace tarvik;

// [SECTION] Needle, icon and value rules

namespace {

// Bounds on what the walk accepts from a module's records, so that a damaged tree cannot hang the host.
constexpr size_t MAX_ELEMENTS = 4096;
constexpr size_t MAX_CHILDREN = 1024;
constexpr size_t MAX_MOUSE_RECORDS = 4096;

double direction_deg(int32_t dx, int32_t dy) {
    // Clockwise from +x on a y-down screen, in [0, 360).
    double a = std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

}  // namespace

double needle_target_angle(const Needle& n, double value) {
    if (!n.table || n.table_count <= 0) return value;
    const int count = n.table_count > 64 ? 64 : n.table_count;
    double angles[64];
    for (int i = 0; i < count; ++i) {
        double a = direction_deg(n.table[i].x - n.position.x, n.table[i].y - n.position.y);
        // Angles grow from row to row: a row in the same direction as an earlier one is a full turn on.
        if (i > 0)
            while (a <= angles[i - 1]) a += 360.0;
        angles[i] = a;
    }
    if (std::isnan(value)) return angles[0];
    if (value <= n.table[0].value) return angles[0];
    for (int i = 1; i < count; ++i) {
        if (value <= n.table[i].value) {
            const double v0 = n.table[i - 1].value, v1 = n.table[i].value;
            const double t = v1 > v0 ? (value - v0) / (v1 - v0) : 1.0;
            return angles[i - 1] + t * (angles[i] - angles[i - 1]);
        }
    }
    return angles[count - 1];
}

double needle_step(double drawn, double target, int32_t max_deg) {
    if (!std::isfinite(target)) return drawn;
    if (max_deg <= 0) return target;
    const double d = target - drawn;
    if (d > max_deg) return drawn + max_deg;
    if (d < -max_deg) return drawn - max_deg;
    return target;
}

int icon_image_for(double value, int32_t count) {
    if (!(value >= 0.0) || value >= static_cast<double>(count)) return -1;
    return to_int32(std::floor(value));
}

namespace {

// The value the host uses for a block without a callback: the variable as a number in its form.
double direct_value(const TokenVar& v) {
    const VariableInfo* info = find_variable(v.token);
    if (!info) return v.value.d;
    switch (info->form) {
        case VarForm::DOUBLE: return v.value.d;
        case VarForm::INT32:
        case VarForm::BCD: return static_cast<double>(v.value.i);
        case VarForm::TEXT: return 0.0;
    }
    return 0.0;
}

// [SECTION] The services table

Host* active = nullptr;

// Makes a host and one of its gauges the target of service calls while module code runs.
struct Calling {
    Host* saved_host;
    GaugeInstance* saved_gauge;
    GaugeInstance*& slot;
    Calling(Host* h, GaugeInstance*& calling, GaugeInstance* g) : saved_host(active), saved_gauge(calling), slot(calling) {
        active = h;
        calling = g;
    }
    ~Calling() {
        active = saved_host;
        slot = saved_gauge;
    }
};

}  // namespace

struct Host::Services {
    static void record(int slot, const void* subject, int32_t a = 0, int32_t b = 0) {
        if (active && active->on_service_call) active->on_service_call({slot, subject, a, b});
    }
    static GaugeInstance* gauge_of(Element* root) { return active ? active->instance_for_root(root) : nullptr; }

    static void element_list_query(Element* root) { record(24, root); }
    static void element_list_install(Element* root, void* handle) {
        record(25, root);
        if (!active || !active->calling_ || !root) return;
        active->install_elements(*active->calling_, root, handle);
    }
    static void element_list_initialize(Element* root) { record(26, root); }
    static void element_list_update(Element* root) {
        record(27, root);
        if (GaugeInstance* g = gauge_of(root)) active->update_elements(*g);
    }
    static void element_list_generate(Element* root, uint32_t v) { record(28, root, static_cast<int32_t>(v)); }
    static void element_list_plot(Element* root) {
        record(29, root);
        if (GaugeInstance* g = gauge_of(root)) {
            ++g->plots;
            if (active->on_plot) active->on_plot(*g);
        }
    }
    static void element_list_kill(Element* root) {
        record(31, root);
        if (GaugeInstance* g = gauge_of(root)) active->kill_elements(*g);
    }
    static void mouse_list_install(MouseArea* list, GaugeHeader* h, PixelSize size) {
        record(32, list, size.x, size.y);
        if (GaugeInstance* g = active ? active->instance_for(h) : nullptr) {
            g->mouse_list = list;
            g->mouse_background = size;
            g->mouse_installed = true;
        }
    }
    static void mouse_list_register(MouseArea* list, GaugeHeader* h) {
        record(33, list);
        if (GaugeInstance* g = active ? active->instance_for(h) : nullptr)
            if (g->mouse_installed && g->mouse_list == list) g->mouse_registered = true;
    }
    static void mouse_list_unregister(MouseArea* list, GaugeHeader* h) {
        record(34, list);
        if (GaugeInstance* g = active ? active->instance_for(h) : nullptr)
            if (g->mouse_list == list) g->mouse_registered = false;
    }
    static int32_t panel_window_toggle(uint32_t id) {
        record(35, nullptr, static_cast<int32_t>(id));
        if (!active) return 0;
        auto it = active->windows_.find(id);
        if (it == active->windows_.end()) {
            if (active->declared_only_) return 0;
            it = active->windows_.emplace(id, false).first;
        }
        it->second = !it->second;
        active->toggles_.push_back({id, it->second});
        return 1;
    }
    static void trigger_key_event(uint32_t event, uint32_t parameter) {
        record(36, nullptr, static_cast<int32_t>(event), static_cast<int32_t>(parameter));
        if (active) active->keys_.key_event(event, parameter);
    }
    static void initialize_var(TokenVar* v) {
        record(38, v, v ? v->token : 0);
        if (v) v->value = TokenValue{};
    }
    static void lookup_var(TokenVar* v) {
        record(40, v, v ? v->token : 0);
        if (active && v) active->refresh(*v);
    }
};

PanelServices& panel_services() {
    static PanelServices table = [] {
        PanelServices t{};
        t.element_list_query = Host::Services::element_list_query;
        t.element_list_install = Host::Services::element_list_install;
        t.element_list_initialize = Host::Services::element_list_initialize;
        t.element_list_update = Host::Services::element_list_update;
        t.element_list_generate = Host::Services::element_list_generate;
        t.element_list_plot = Host::Services::element_list_plot;
        t.element_list_kill = Host::Services::element_list_kill;
        t.mouse_list_install = Host::Services::mouse_list_install;
        t.mouse_list_register = Host::Services::mouse_list_register;
        t.mouse_list_unregister = Host::Services::mouse_list_unregister;
        t.panel_window_toggle = Host::Services::panel_window_toggle;
        t.trigger_key_event = Host::Services::trigger_key_event;
        t.initialize_var = Host::Services::initialize_var;
        t.lookup_var = Host::Services::lookup_var;
        return t;
    }();
    return table;
}

// [SECTION] Loading and lifecycle

Host::Host(VariableSource& vars, KeySink& keys) : vars_(vars), keys_(keys) {}

Host::~Host() {
    // The hooks may belong to objects already gone by now; the closing kills report to nobody.
    on_service_call = nullptr;
    on_plot = nullptr;
    while (!gauges_.empty()) remove_gauge(gauges_.back().get());
}

GaugeInstance* Host::add_gauge(const std::filesystem::path& file, Status& status) {
    std::unique_ptr<Module> m;
    status = Module::load(file, m);
    if (!status) return nullptr;
    for (auto& g : gauges_)
        if (g->module->path() == m->path() || g->header == &m->gauge()) {
            status = Status::error(file.string() + ": the module is already on this panel");
            return nullptr;
        }
    m->imports().entries[0].pointer = &panel_services();
    auto g = std::make_unique<GaugeInstance>();
    g->module = m.get();
    g->header = &m->gauge();
    g->root = g->header->root_list[0];
    GaugeInstance* raw = g.get();
    modules_.push_back(std::move(m));
    gauges_.push_back(std::move(g));
    {
        Calling c(this, calling_, raw);
        raw->header->query();
        raw->header->install(raw->module);
        raw->header->initialize();
    }
    if (!raw->installed) {
        status = Status::error(file.string() + ": the gauge did not hand over its elements at install");
        remove_gauge(raw);
        return nullptr;
    }
    return raw;
}

void Host::remove_gauge(GaugeInstance* g) {
    if (!g) return;
    {
        Calling c(this, calling_, g);
        g->header->kill();
    }
    if (g->installed) kill_elements(*g);  // a gauge that forgot its own release still loses its elements
    Module* m = g->module;
    std::erase_if(gauges_, [g](auto& p) { return p.get() == g; });
    std::erase_if(modules_, [m](auto& p) { return p.get() == m; });
}

void Host::frame(GaugeInstance& g) {
    Calling c(this, calling_, &g);
    g.header->update();
    g.header->generate(0);
    g.header->draw();
    ++g.frames;
}

void Host::frame_all() {
    for (auto& g : gauges_) frame(*g);
}

GaugeInstance* Host::instance_for(const GaugeHeader* h) {
    for (auto& g : gauges_)
        if (g->header == h) return g.get();
    return nullptr;
}

GaugeInstance* Host::instance_for_root(const Element* root) {
    if (calling_ && calling_->root == root) return calling_;
    for (auto& g : gauges_)
        if (g->root == root) return g.get();
    return nullptr;
}

void Host::refresh(TokenVar& v) {
    if (v.token != 0) v.value = vars_.read(v.token);
}

// [SECTION] Element install, update walk and kill

void Host::install_elements(GaugeInstance& g, Element* root, void*) {
    if (g.installed) kill_elements(g);
    g.root = root;
    std::set<Element*> seen;
    // Depth first, each element before its children, children in list order.
    struct Item {
        Element* e;
        int parent;
    };
    std::vector<Item> stack{{root, -1}};
    while (!stack.empty() && g.elements.size() < MAX_ELEMENTS) {
        Item it = stack.back();
        stack.pop_back();
        if (!it.e || !seen.insert(it.e).second) continue;
        auto s = std::make_unique<ElementState>();
        s->element = it.e;
        s->index = static_cast<int>(g.elements.size());
        s->parent = it.parent;
        Element& e = *it.e;
        e.host_owned_a[0] = reinterpret_cast<HostWord>(s.get());
        if (e.resource >= 0) s->image = g.module->bitmap(e.resource);
        if (e.kind == KIND_ICON) {
            auto& icon = static_cast<Icon&>(e);
            const int n = icon.image_count < 0 ? 0 : (icon.image_count > 64 ? 64 : icon.image_count);
            for (int k = 0; k < n; ++k) s->icon_images.push_back(g.module->bitmap(e.resource + 3 * k));
        }
        if (e.kind == KIND_MOVING_IMAGE || e.kind == KIND_SPRITE) s->mask = g.module->bitmap(e.resource + 3);
        if (s->image) s->loaded.size = {s->image->width, s->image->height};
        e.loaded_image = reinterpret_cast<HostWord>(&s->loaded);
        if (e.kind == KIND_STRING) {
            auto& str = static_cast<StringElement&>(e);
            str.text = s->text.data();
            str.text_capacity = TEXT_CAPACITY;
        }
        const int index = s->index;
        g.elements.push_back(std::move(s));
        if (e.children) {
            size_t n = 0;
            while (n < MAX_CHILDREN && e.children[n]) ++n;
            for (size_t i = n; i-- > 0;) stack.push_back({e.children[i], index});
        }
    }
    g.installed = true;
}

void Host::update_elements(GaugeInstance& g) {
    for (auto& s : g.elements) update_element(g, *s);
}

void Host::update_element(GaugeInstance&, ElementState& s) {
    Element& e = *s.element;
    auto run = [this](TokenVar& src, ValueCallback cb) {
        refresh(src);
        return cb ? cb(&src) : direct_value(src);
    };
    switch (e.kind) {
        case KIND_NEEDLE: {
            auto& n = static_cast<Needle&>(e);
            s.value = run(n.source, n.callback);
            const double target = needle_target_angle(n, s.value);
            if (!s.angle_valid) {
                s.needle_angle = std::isfinite(target) ? target : 0.0;
                s.angle_valid = true;
            } else {
                s.needle_angle = needle_step(s.needle_angle, target, n.max_degrees_per_update);
            }
            break;
        }
        case KIND_STRING: {
            auto& str = static_cast<StringElement&>(e);
            for (auto& src : str.source) refresh(src);
            if (str.callback) s.value = str.callback(str.source[0].value);
            s.text.back() = '\0';  // whatever the callback did, the buffer stays terminated
            break;
        }
        case KIND_SLIDER: {
            auto& sl = static_cast<Slider&>(e);
            if (block_used(sl.x.source, sl.x.callback)) s.x = run(sl.x.source, sl.x.callback);
            if (block_used(sl.y.source, sl.y.callback)) s.y = run(sl.y.source, sl.y.callback);
            break;
        }
        case KIND_ICON: {
            auto& icon = static_cast<Icon&>(e);
            s.value = run(icon.source, icon.callback);
            s.icon_image = icon_image_for(s.value, icon.image_count);
            break;
        }
        case KIND_MOVING_IMAGE: {
            auto& mi = static_cast<MovingImage&>(e);
            if (block_used(mi.x.source, mi.x.callback)) s.x = run(mi.x.source, mi.x.callback);
            if (block_used(mi.y.source, mi.y.callback)) s.y = run(mi.y.source, mi.y.callback);
            break;
        }
        case KIND_SPRITE: {
            auto& sp = static_cast<Sprite&>(e);
            if (block_used(sp.x.source, sp.x.callback)) s.x = run(sp.x.source, sp.x.callback);
            if (block_used(sp.y.source, sp.y.callback)) s.y = run(sp.y.source, sp.y.callback);
            if (block_used(sp.angle.source, sp.angle.callback)) s.angle_value = run(sp.angle.source, sp.angle.callback);
            break;
        }
        default:
            break;
    }
}

void Host::kill_elements(GaugeInstance& g) {
    for (auto& s : g.elements) {
        Element& e = *s->element;
        e.host_owned_a[0] = 0;
        e.loaded_image = 0;
        if (e.kind == KIND_STRING) {
            auto& str = static_cast<StringElement&>(e);
            str.text = nullptr;
            str.text_capacity = 0;
        }
    }
    g.elements.clear();
    g.installed = false;
}

// [SECTION] Mouse dispatch and panel windows

const MouseArea* Host::area_at(const GaugeInstance& g, int32_t x, int32_t y) const {
    if (!g.mouse_registered || !g.mouse_list) return nullptr;
    for (size_t i = 0; i < MAX_MOUSE_RECORDS; ++i) {
        const MouseArea& a = g.mouse_list[i];
        if (a.type == AREA_LIST_END) break;
        if (a.type != AREA_CHILD) continue;
        // 64-bit sums: a box near the edge of the 32-bit range must not wrap.
        if (x >= a.x && static_cast<int64_t>(x) < static_cast<int64_t>(a.x) + a.width && y >= a.y &&
            static_cast<int64_t>(y) < static_cast<int64_t>(a.y) + a.height)
            return &a;
    }
    return nullptr;
}

bool Host::click(GaugeInstance& g, int32_t x, int32_t y, uint32_t kinds) {
    const MouseArea* a = area_at(g, x, y);
    if (!a) return false;
    if (a->event_id != 0) {
        keys_.key_event(a->event_id, 0);
    } else if (a->handler) {
        Calling c(this, calling_, &g);
        PixelPoint p{x, y};
        a->handler(&p, kinds);
    }
    return true;
}

void Host::declare_window(uint32_t id, bool visible) { windows_[id] = visible; }

bool Host::window_visible(uint32_t id) const {
    auto it = windows_.find(id);
    return it != windows_.end() && it->second;
}

std::vector<WindowToggle> Host::take_window_toggles() {
    std::vector<WindowToggle> out;
    out.swap(toggles_);
    return out;
}

}  // namespace host
