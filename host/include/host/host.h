// The panel host: loads gauges, offers them the services table, runs their lifecycle and update walk,
// dispatches clicks and keeps the panel windows.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/gauge.h"
#include "host/module.h"
#include "host/status.h"
#include "host/variables.h"

namespace host {

struct WindowToggle {
    uint32_t id;
    bool visible;
};

// A host service call, as the recording hook sees it (for tests of the lifecycle).
struct ServiceCall {
    int slot;
    const void* subject;  // the element, mouse list or TokenVar the call names
    int32_t a = 0, b = 0; // sizes, ids or parameters where the call has them
};

class Host {
public:
    Host(VariableSource& vars, KeySink& keys);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Loads a module file and installs and initializes its gauge. Returns the gauge, or null with a message.
    GaugeInstance* add_gauge(const std::filesystem::path& module_file, Status& status);
    // Kills the gauge and unloads its module.
    void remove_gauge(GaugeInstance* g);
    const std::vector<std::unique_ptr<GaugeInstance>>& gauges() const { return gauges_; }

    // One frame of one gauge, or of all: update, generate, draw.
    void frame(GaugeInstance& g);
    void frame_all();

    // A click at a gauge-frame pixel: the first child area of the registered list whose box holds the
    // point sends its event (parameter 0) or calls its handler. Returns true if an area took it.
    bool click(GaugeInstance& g, int32_t x, int32_t y, uint32_t kinds = tarvik::CLICK);
    // The child area a point falls in, or null.
    const tarvik::MouseArea* area_at(const GaugeInstance& g, int32_t x, int32_t y) const;

    // Panel windows, by ident. A window the host does not know is created hidden at its first toggle
    // unless the host was told to know only its declared windows.
    void declare_window(uint32_t id, bool visible);
    void set_declared_windows_only(bool only) { declared_only_ = only; }
    bool window_visible(uint32_t id) const;
    const std::map<uint32_t, bool>& windows() const { return windows_; }
    std::vector<WindowToggle> take_window_toggles();

    // The host's current radio selection, which highlight lists compare with.
    void set_selection(int32_t code) { selection_ = code; }
    int32_t selection() const { return selection_; }

    VariableSource& variables() { return vars_; }
    KeySink& keys() { return keys_; }

    // Every service call made by module code goes here too, when set.
    std::function<void(const ServiceCall&)> on_service_call;
    // Called when a gauge asks for its elements to be drawn (the compositor hooks in here).
    std::function<void(GaugeInstance&)> on_plot;

    // Called from the services table; module code reaches the host only through these.
    struct Services;

private:
    friend struct Services;
    GaugeInstance* instance_for(const tarvik::GaugeHeader* h);
    GaugeInstance* instance_for_root(const tarvik::Element* root);
    void install_elements(GaugeInstance& g, tarvik::Element* root, void* module_handle);
    void update_elements(GaugeInstance& g);
    void kill_elements(GaugeInstance& g);
    void update_element(GaugeInstance& g, ElementState& s);
    void refresh(tarvik::TokenVar& v);

    VariableSource& vars_;
    KeySink& keys_;
    std::vector<std::unique_ptr<GaugeInstance>> gauges_;
    std::vector<std::unique_ptr<Module>> modules_;
    std::map<uint32_t, bool> windows_;
    std::vector<WindowToggle> toggles_;
    bool declared_only_ = false;
    int32_t selection_ = 0;
    GaugeInstance* calling_ = nullptr;  // the gauge whose routine is running
};

// The services table every module's ImportTable points at while a host is active.
tarvik::PanelServices& panel_services();

}  // namespace host
