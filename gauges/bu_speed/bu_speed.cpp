// Standby airspeed indicator: a pointer on a non-linear 30 to 400 knot dial, a three-digit airspeed
// readout, and a reference speed (a magenta marker on the rim with its own readout) that the pilot
// steps with two click areas and shows or hides with a third.
//
// Inputs:  AIRSPEED (knots, element source of the readout and the pointer).
// Outputs: none to the host; the clicks change the reference speed and its display latch.
#include "speed_dial.h"
#include "tarvik/module.h"

using namespace tarvik;
using namespace bu_speed;

// Bitmaps
constexpr int32_t BMP_DIAL = 4096;              // 65 x 68
constexpr int32_t BMP_POINTER = 8192;           // 32 x 5: hub ring at the pivot, arrow along +x
constexpr int32_t BMP_REFERENCE_MARKER = 8208;  // 4 x 5: magenta chevron, 28 px out from its pivot

constexpr double DIAL_MIN_KT = 30.0;
constexpr double DIAL_MAX_KT = 400.0;
constexpr double POINTER_REST_KT = 0.0;  // the table row the pointer rests on below the dial's range

constexpr uint32_t TEXT_GREY = 0xC3C3C3;
constexpr uint32_t TEXT_MAGENTA = 0xFF00FF;
constexpr uint32_t DIAL_NAVY = 0x800000;
constexpr uint32_t NO_HIGHLIGHT = 0x5C5C5C;

// Module globals
double reference_speed = 30.0;  // knots, whole, 30 .. 400; kept for the life of the module
int32_t reference_latch = 1;    // 1: the reference marker and its readout are shown

extern GaugeHeader speed_gauge;
extern StringElement airspeed_readout, reference_readout;
extern Needle reference_marker;

// Callbacks
double airspeed_text(TokenValue airspeed) {
    // Below the dial's range (and for a reading that is no number at all) the readout holds at 30.
    const double r = airspeed.d >= DIAL_MIN_KT ? airspeed.d : DIAL_MIN_KT;
    print_text(airspeed_readout, "%3d", to_int32(r));
    return r;
}

double airspeed_pointer_value(TokenVar* airspeed) {
    const double v = airspeed->value.d;
    if (v > DIAL_MAX_KT) return DIAL_MAX_KT;
    if (v >= DIAL_MIN_KT) return v;
    return POINTER_REST_KT;  // below 30 knots, or no number: the pointer rests at the top of the dial
}

double reference_text(TokenValue) {
    if (reference_latch == 1) {
        show(reference_readout);
        print_text(reference_readout, "%3d", to_int32(reference_speed));
    } else {
        hide(reference_readout);
    }
    return reference_speed;
}

double reference_marker_value(TokenVar*) {
    set_hidden(reference_marker, reference_latch != 1);
    return reference_speed;
}

// Element records
const FailureEntry speed_failures[] = {{1, 3}, {0, 0}};

constexpr Element header(int32_t kind, int32_t resource, PixelPoint position, PixelPoint offset, uint32_t flags,
                         Element** children) {
    return {kind, resource, position, {}, offset, &speed_gauge, 0, children, speed_failures, flags, 0, 0};
}

constexpr StringElement readout(PixelPoint position, uint32_t flags, Element** children, int32_t source1,
                                StringCallback callback, int32_t w, int32_t h, int32_t chars, uint32_t colour) {
    return {header(KIND_STRING, -1, position, {0, 0}, flags, children),
            {{source1}, {0}, {0}},
            callback, nullptr, 0, w, h, {}, colour, DIAL_NAVY, NO_HIGHLIGHT, {}, "Small Fonts", 400, 1, 0x25, chars, 0,
            nullptr};
}

constexpr Needle needle(int32_t resource, PixelPoint pivot, PixelPoint offset, Element** children, int32_t source,
                        ValueCallback callback, const NonlinearityEntry* table) {
    return {header(KIND_NEEDLE, resource, pivot, offset, 0x7, children), {source}, callback, {}, table, TABLE_ROWS,
            /*max degrees per update*/ 10};
}

//                                           position  flags children              source    callback       box    chars colour
StringElement reference_readout = readout({ 4,  0},    0x6, nullptr,               0,        reference_text, 12, 7, 3,   TEXT_MAGENTA);
//                                   bitmap                pivot          offset
Needle reference_marker   = needle(BMP_REFERENCE_MARKER, MARKER_PIVOT,  {-28, 2}, nullptr,          0,        reference_marker_value, REFERENCE_TABLE);
Element* pointer_children[] = {&reference_readout, &reference_marker, nullptr};
Needle airspeed_pointer   = needle(BMP_POINTER,          POINTER_PIVOT, {  2, 2}, pointer_children, AIRSPEED, airspeed_pointer_value, AIRSPEED_TABLE);
Element* readout_children[] = {&airspeed_pointer, nullptr};
StringElement airspeed_readout  = readout({25, 16},    0x4, readout_children,      AIRSPEED, airspeed_text,  15, 9, 3,   TEXT_GREY);
Element* dial_children[] = {&airspeed_readout, nullptr};
StaticImage dial{header(KIND_STATIC_IMAGE, BMP_DIAL, {0, 0}, {0, 0}, 0x5, dial_children)};
Element* root_list[] = {&dial};

// Mouse areas
int32_t reference_down(PixelPoint*, uint32_t) {
    if (reference_speed > DIAL_MIN_KT) reference_speed -= 1.0;
    return 1;
}

int32_t reference_up(PixelPoint*, uint32_t) {
    if (reference_speed < DIAL_MAX_KT) reference_speed += 1.0;
    return 1;
}

int32_t reference_toggle(PixelPoint*, uint32_t) {
    reference_latch = reference_latch == 1 ? 0 : 1;
    return 1;
}

// The increment and toggle boxes share the column x 10; the host takes the first box in list order.
MouseArea mouse_areas[] = {
    area_parent(),
    area_handler(-6, 59,  6, 11, CURSOR_DECREMENT, CLICK | CLICK_STEP, reference_down),
    area_handler(10, 59,  6, 11, CURSOR_INCREMENT, CLICK | CLICK_STEP, reference_up),
    area_handler( 0, 59, 11, 11, CURSOR_ACTION,    CLICK,              reference_toggle),
    area_end_parent(),
    area_list_end(),
};

// Lifecycle and exports
const GaugeParts speed{&speed_gauge, &dial, mouse_areas, nullptr, 0};
TARVIK_STANDARD_GAUGE(speed_gauge, "TARVIK_BU_SPEED", 65, root_list, speed)
