// What a gauge module includes: the records, the services reached through the module's own
// ImportTable, and the standard lifecycle routines and exports.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "tarvik/gauge.h"
#include "tarvik/numeric.h"
#include "tarvik/selection.h"
#include "tarvik/vars.h"
#include "tarvik/win32.h"

#define TARVIK_EXPORT extern "C" __attribute__((visibility("default")))

// Written by the host before it calls any routine of the module.
TARVIK_EXPORT tarvik::ImportTable ImportTable;

namespace tarvik {

// Every call goes through the table pointer read afresh, so a host may replace its table between calls.
inline PanelServices& services() { return *static_cast<PanelServices*>(::ImportTable.entries[0].pointer); }

inline void trigger_key_event(uint32_t event, uint32_t parameter) { services().trigger_key_event(event, parameter); }
inline int32_t panel_window_toggle(uint32_t id) { return services().panel_window_toggle(id); }

// The parts of one gauge that the standard lifecycle routines hand to the host.
struct GaugeParts {
    GaugeHeader* header;
    Element* root;
    MouseArea* mouse_areas;
    TokenVar* const* standalone;  // bound and refreshed in this order
    size_t standalone_count;
};

inline void standard_query(const GaugeParts& g) { services().element_list_query(g.root); }

inline void standard_install(const GaugeParts& g, void* module_handle) {
    for (size_t i = 0; i < g.standalone_count; ++i) services().initialize_var(g.standalone[i]);
    services().element_list_install(g.root, module_handle);
    // The host records the loaded background in the root only now, so its size is read after the install.
    services().mouse_list_install(g.mouse_areas, g.header, loaded_size(*g.root));
    services().mouse_list_register(g.mouse_areas, g.header);
}

inline void standard_initialize(const GaugeParts& g) { services().element_list_initialize(g.root); }

inline void standard_update(const GaugeParts& g) {
    for (size_t i = 0; i < g.standalone_count; ++i) services().lookup_var(g.standalone[i]);
    services().element_list_update(g.root);
}

inline void standard_generate(const GaugeParts& g, uint32_t value) { services().element_list_generate(g.root, value); }
inline void standard_draw(const GaugeParts& g) { services().element_list_plot(g.root); }

inline void standard_kill(const GaugeParts& g) {
    services().mouse_list_unregister(g.mouse_areas, g.header);
    services().element_list_kill(g.root);
}

inline void module_do_nothing() {}

// Prints into a string element's text buffer, bounded by the buffer the host attached: text longer
// than the buffer is cut, never written past it. print_text follows the Windows formatter's rules;
// print_text_c the C library's, for the formats with floating point or a '+' flag.
__attribute__((format(printf, 2, 3))) inline int print_text(StringElement& e, const char* format, ...) {
    if (!e.text || e.text_capacity == 0) return 0;
    va_list args;
    va_start(args, format);
    int n = tarvik_wvsnprintf(e.text, e.text_capacity, format, args);
    va_end(args);
    return n;
}

__attribute__((format(printf, 2, 3))) inline int print_text_c(StringElement& e, const char* format, ...) {
    if (!e.text || e.text_capacity == 0) return 0;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(e.text, e.text_capacity, format, args);
    va_end(args);
    if (n < 0) e.text[0] = '\0';
    return n < 0 ? 0 : (static_cast<size_t>(n) < e.text_capacity ? n : static_cast<int>(e.text_capacity - 1));
}

// A host text variable as %s prints it: a null pointer prints as nothing.
inline const char* text_of(const TokenValue& v) { return v.s ? v.s : ""; }

}  // namespace tarvik

// The module's exported Linkage, listing its one gauge, and its ImportTable with the services slot.
#define TARVIK_MODULE_EXPORTS(header)                                                                       \
    extern "C" __attribute__((visibility("default"))) tarvik::Linkage Linkage;                             \
    tarvik::Linkage Linkage = {tarvik::MODULE_ID, tarvik::module_do_nothing,                  \
                                             tarvik::module_do_nothing, 0, 0, 0, {&(header), nullptr}};    \
    tarvik::ImportTable ImportTable = {                                                        \
        {{tarvik::IMPORT_KEY_PANEL_SERVICES, nullptr}, {0, nullptr}}};

// The library entry point: tells the loader it wants no thread notifications, as every module but
// the aural alert does.
#define TARVIK_MODULE_ENTRY_POINT()                                                                         \
    namespace {                                                                                              \
    __attribute__((constructor)) void tarvik_module_entry() { DisableThreadLibraryCalls(tarvik_module_self()); } \
    }

// A gauge whose routines are exactly the standard ones: defines the seven routines, the gauge header,
// the exports and the entry point. `parts` is a GaugeParts whose header field is &header_name.
#define TARVIK_STANDARD_GAUGE(header_name, gauge_name, nominal_width, root_list, parts)                    \
    extern tarvik::GaugeHeader header_name;                                                                 \
    namespace {                                                                                              \
    void gauge_query() { tarvik::standard_query(parts); }                                                    \
    void gauge_install(void* handle) { tarvik::standard_install(parts, handle); }                            \
    void gauge_initialize() { tarvik::standard_initialize(parts); }                                          \
    void gauge_update() { tarvik::standard_update(parts); }                                                  \
    void gauge_generate(uint32_t value) { tarvik::standard_generate(parts, value); }                         \
    void gauge_draw() { tarvik::standard_draw(parts); }                                                      \
    void gauge_kill() { tarvik::standard_kill(parts); }                                                      \
    }                                                                                                        \
    tarvik::GaugeHeader header_name = {tarvik::GAUGE_HEADER_VERSION, gauge_name, root_list, gauge_query,    \
                                       gauge_install, gauge_initialize, gauge_update, gauge_generate,        \
                                       gauge_draw, gauge_kill, 0, nominal_width, 0, {}};                     \
    TARVIK_MODULE_EXPORTS(header_name)                                                                       \
    TARVIK_MODULE_ENTRY_POINT()
