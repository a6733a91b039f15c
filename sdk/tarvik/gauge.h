// The gauge binary interface: the records a gauge module exports and the host reads.
//
// [SECTION] Basic types and numeric helpers
// [SECTION] Host variable binding (TokenVar) and small lists
// [SECTION] Element records
// [SECTION] Mouse areas
// [SECTION] Gauge header, module records, services table
// [SECTION] Layout checks
//
// Every record keeps the field order the host expects. Fixed-width fields are int32_t, uint32_t,
// double or float; pointers are native, and every "host-owned word" is pointer-sized (uintptr_t) so
// that the host can keep a reference in it: on a 32-bit build every word is 4 bytes, on LP64 the
// pointer words widen to 8. The 8-byte value fields are aligned to 8 as a 32-bit Windows compiler
// lays them out. The layout checks at the bottom pin both shapes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tarvik/numeric.h"

namespace tarvik {

// [SECTION] Basic types and numeric helpers

struct Element;
struct GaugeHeader;
struct PanelServices;

struct PixelPoint {
    int32_t x;
    int32_t y;
};

// The pixel size of a loaded bitmap, as mouse_list_install receives it.
using PixelSize = PixelPoint;

using HostWord = uintptr_t;

// [SECTION] Host variable binding (TokenVar) and small lists

// The 8-byte value of a host variable, in the form the catalogue gives it: a double, a 32-bit
// whole number in the first four bytes, or a pointer to a zero-terminated text.
union TokenValue {
    double d;
    int32_t i;
    const char* s;
    unsigned char bytes[8];
};
static_assert(sizeof(TokenValue) == 8);

struct TokenVar {
    int32_t token;  // 0: no variable
    HostWord host_owned[2];
    alignas(8) TokenValue value;
    alignas(8) unsigned char host_owned_value[8];
};

// Pairs of (failure key, action), ended by (0, 0).
struct FailureEntry {
    int32_t key;
    int32_t action;
};

// Triples of (selection code, first character, last character), ended by a code of 0.
struct HighlightEntry {
    int32_t selection;
    int32_t first;
    int32_t last;
};

// One row of a needle's dial table: a point on the dial and the value marked there.
struct NonlinearityEntry {
    int32_t x;
    int32_t y;
    alignas(8) double value;
    alignas(8) double host_owned;
};

// [SECTION] Element records

enum ElementKind : int32_t {
    KIND_STATIC_IMAGE = 0,
    KIND_NEEDLE = 1,
    KIND_STRING = 2,
    KIND_SLIDER = 3,
    KIND_ICON = 4,
    KIND_MOVING_IMAGE = 5,
    KIND_SPRITE = 6,
};

constexpr uint32_t IMAGE_HIDDEN = 0x40000000u;

using ValueCallback = double (*)(TokenVar* source);
using StringCallback = double (*)(TokenValue source1);

// The fields every element record begins with. Each kind's record starts with this header so the
// host can walk a tree of mixed kinds through Element pointers.
struct Element {
    int32_t kind;
    int32_t resource;
    PixelPoint position;
    HostWord host_owned_a[2];  // [0]: the host's per-element state while installed
    PixelPoint offset;
    GaugeHeader* gauge;
    HostWord loaded_image;  // host-owned: the LoadedImage of the element's bitmap, once installed
    Element** children;  // null-terminated, or null
    const FailureEntry* failures;
    uint32_t image_flags;
    uint32_t special_code;
    uint32_t reserved;
};

struct StaticImage : Element {};

// The head of the host's record of a loaded bitmap, which element_list_install leaves in an element's
// loaded_image word: the root's tells install the background's pixel size.
struct LoadedImage {
    PixelSize size;
};

inline PixelSize loaded_size(const Element& e) {
    const auto* image = reinterpret_cast<const LoadedImage*>(e.loaded_image);
    return image ? image->size : PixelSize{0, 0};
}

struct Needle : Element {
    TokenVar source;
    ValueCallback callback;
    HostWord host_owned_c[5];
    const NonlinearityEntry* table;
    int32_t table_count;
    int32_t max_degrees_per_update;
};

struct StringElement : Element {
    TokenVar source[3];
    StringCallback callback;
    char* text;              // host-owned: attached by the host at install
    HostWord text_capacity;  // host-owned: the buffer's size in bytes, terminator included
    int32_t box_width;
    int32_t box_height;
    HostWord host_owned_d[2];
    uint32_t text_colour;
    uint32_t background_colour;
    uint32_t highlight_colour;
    HostWord host_owned_e[7];
    char font_face[32];
    int32_t weight;
    int32_t charset;
    uint32_t draw_flags;
    int32_t char_count;
    HostWord host_owned_f;
    const HighlightEntry* highlights;
};

// One axis of a slider, or one of a sprite's x, y and angle blocks.
struct ScaledBlock {
    TokenVar source;
    ValueCallback callback;
    alignas(8) double scale;
};

// One axis of a moving image.
struct RangeBlock {
    TokenVar source;
    ValueCallback callback;
    alignas(8) double minimum;
    alignas(8) double maximum;
};

struct Slider : Element {
    ScaledBlock x;
    HostWord host_owned_c;
    ScaledBlock y;
};

struct Icon : Element {
    TokenVar source;
    ValueCallback callback;
    HostWord host_owned_c[5];
    int32_t image_count;
};

struct MovingImage : Element {
    RangeBlock x;
    HostWord host_owned_c;
    RangeBlock y;
};

struct Sprite : Element {
    ScaledBlock x;
    ScaledBlock y;
    ScaledBlock angle;
    float texture_scale_x;
    float texture_scale_y;
    int32_t texture_ref_x;  // (0,0) stands for the texture's centre
    int32_t texture_ref_y;
};

// A block takes part in drawing only when it has a source or a callback.
inline bool block_used(const TokenVar& source, ValueCallback callback) {
    return source.token != 0 || callback != nullptr;
}

// Callbacks hide and show elements by rewriting the flags word whole.
inline void hide(Element& e) { e.image_flags = e.image_flags | IMAGE_HIDDEN; }
inline void show(Element& e) { e.image_flags = e.image_flags & 0xBFFFFFFFu; }
inline void set_hidden(Element& e, bool hidden) { hidden ? hide(e) : show(e); }
inline bool is_hidden(const Element& e) { return (e.image_flags & IMAGE_HIDDEN) != 0; }

// [SECTION] Mouse areas

enum AreaType : int32_t {
    AREA_LIST_END = 0,
    AREA_PARENT = 1,
    AREA_CHILD = 2,
    AREA_END_PARENT = 3,
};

enum CursorCode : int32_t {
    CURSOR_NONE = -1,
    CURSOR_INCREMENT = 1,
    CURSOR_DECREMENT = 2,
    CURSOR_ACTION = 5,
};

constexpr uint32_t CLICK = 0x20000000u;
constexpr uint32_t CLICK_STEP = 0x00200000u;

using MouseHandler = int32_t (*)(PixelPoint* point, uint32_t click_kinds);

struct MouseArea {
    int32_t type;
    int32_t x, y, width, height;
    int32_t cursor;
    uint32_t help_id;
    uint32_t click_kinds;
    uint32_t event_id;
    MouseHandler handler;
    uint32_t handler_data;
};

// The framing records every list has around its child areas.
constexpr MouseArea area_parent() { return {AREA_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, 0}; }
constexpr MouseArea area_end_parent() { return {AREA_END_PARENT, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, 0}; }
constexpr MouseArea area_list_end() { return {AREA_LIST_END, 0, 0, 0, 0, CURSOR_NONE, 0, 0, 0, nullptr, 0}; }
constexpr MouseArea area_event(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cursor, uint32_t kinds,
                               uint32_t event) {
    return {AREA_CHILD, x, y, w, h, cursor, 0, kinds, event, nullptr, 0};
}
constexpr MouseArea area_handler(int32_t x, int32_t y, int32_t w, int32_t h, int32_t cursor, uint32_t kinds,
                                 MouseHandler handler) {
    return {AREA_CHILD, x, y, w, h, cursor, 0, kinds, 0, handler, 0};
}

// [SECTION] Gauge header, module records, services table

using Routine = void (*)();
using InstallRoutine = void (*)(void* module_handle);
using GenerateRoutine = void (*)(uint32_t value);

constexpr int32_t GAUGE_HEADER_VERSION = 610;
constexpr int32_t MODULE_ID = 19;
constexpr uint32_t IMPORT_KEY_PANEL_SERVICES = 15;

struct GaugeHeader {
    int32_t version;
    const char* name;
    Element** root_list;
    Routine query;
    InstallRoutine install;
    Routine initialize;
    Routine update;
    GenerateRoutine generate;
    Routine draw;
    Routine kill;
    uint32_t reserved;
    int32_t nominal_width;
    int32_t nominal_height;
    HostWord host_owned[9];
};

struct Linkage {
    int32_t module_id;
    Routine init;
    Routine deinit;
    uint32_t flags;
    uint32_t version;
    uint32_t reserved;
    GaugeHeader* gauges[2];  // one gauge, then the null that ends the list
};

struct ImportEntry {
    uint32_t key;
    void* pointer;
};

struct ImportTable {
    ImportEntry entries[2];  // (15, services), then (0, 0)
};

// The host's service entry points, by slot number. Slots the gauges never call are unnamed.
struct PanelServices {
    void* slots_0_23[24];
    void (*element_list_query)(Element* root);                                     // 24
    void (*element_list_install)(Element* root, void* module_handle);              // 25
    void (*element_list_initialize)(Element* root);                                // 26
    void (*element_list_update)(Element* root);                                    // 27
    void (*element_list_generate)(Element* root, uint32_t value);                  // 28
    void (*element_list_plot)(Element* root);                                      // 29
    void* slot_30;
    void (*element_list_kill)(Element* root);                                      // 31
    void (*mouse_list_install)(MouseArea* list, GaugeHeader* gauge, PixelSize size);  // 32
    void (*mouse_list_register)(MouseArea* list, GaugeHeader* gauge);              // 33
    void (*mouse_list_unregister)(MouseArea* list, GaugeHeader* gauge);            // 34
    int32_t (*panel_window_toggle)(uint32_t window_id);                            // 35
    void (*trigger_key_event)(uint32_t event, uint32_t parameter);                 // 36
    void* slot_37;
    void (*initialize_var)(TokenVar* var);                                         // 38
    void* slot_39;
    void (*lookup_var)(TokenVar* var);                                             // 40
};

// [SECTION] Layout checks

namespace layout {
constexpr size_t P = sizeof(void*);
constexpr size_t round8(size_t n) { return (n + 7) / 8 * 8; }
constexpr size_t TOKENVAR = round8(4 + 2 * P + (P == 8 ? 4 : 0)) + 16;  // id, 2 words, value, host value
constexpr size_t HEADER = 4 + 4 + 8 + 2 * P + 8 + P + P + P + P + 12 + (P == 8 ? 4 : 0);
}  // namespace layout

// Each kind extends the header by inheritance, which offsetof does not formally cover; the compilers
// the modules are built with lay such records out as C would, and these checks prove it.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(TokenVar, value) == (layout::P == 8 ? 24 : 16));
static_assert(sizeof(TokenVar) == layout::TOKENVAR);
static_assert(offsetof(Element, host_owned_a) == 16);
static_assert(offsetof(Element, offset) == 16 + 2 * layout::P);
static_assert(offsetof(Element, gauge) == 24 + 2 * layout::P);
static_assert(offsetof(Element, children) == 24 + 4 * layout::P);
static_assert(offsetof(Element, image_flags) == 24 + 6 * layout::P);
static_assert(sizeof(Element) == layout::HEADER);
static_assert(offsetof(Needle, source) == layout::round8(sizeof(Element)));
static_assert(offsetof(Needle, max_degrees_per_update) ==
              offsetof(Needle, source) + layout::TOKENVAR + 7 * layout::P + 4);
static_assert(offsetof(StringElement, callback) == offsetof(StringElement, source) + 3 * layout::TOKENVAR);
static_assert(offsetof(StringElement, font_face) ==
              offsetof(StringElement, callback) + 3 * layout::P + 8 + 2 * layout::P + 12 + 7 * layout::P +
                  (layout::P == 8 ? 4 : 0));
static_assert(sizeof(MouseArea) == (layout::P == 8 ? 56 : 44));
static_assert(offsetof(MouseArea, handler) == (layout::P == 8 ? 40 : 36));
static_assert(offsetof(GaugeHeader, reserved) == 10 * layout::P);
static_assert(offsetof(Linkage, gauges) == (layout::P == 8 ? 40 : 24));
static_assert(sizeof(ImportEntry) == 2 * layout::P);
static_assert(offsetof(PanelServices, element_list_query) == 24 * layout::P);
static_assert(offsetof(PanelServices, lookup_var) == 40 * layout::P);
static_assert(sizeof(NonlinearityEntry) == 24);
static_assert(sizeof(HighlightEntry) == 12 && sizeof(FailureEntry) == 8);
#pragma GCC diagnostic pop

}  // namespace tarvik
