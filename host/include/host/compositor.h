// The compositor: draws an installed gauge's element tree, as the last update left it, into an RGBA
// framebuffer, and scales framebuffers onto a panel.
//
// What each kind draws (gauge-frame pixels, x right, y down):
//   StaticImage   its bitmap with the top-left at the position.
//   Needle        its bitmap turned clockwise by the drawn angle (ElementState.needle_angle, after the
//                 dial table and the turn limit) about the offset pixel, which lands on the position.
//                 Angles that are whole quarter turns land on whole pixels exactly.
//   StringElement the box filled with the background colour, the text centred in it in the pixel
//                 face that fits the box height (font::face_for_height), clipped to the box; characters
//                 a highlight triple names under the host's selection in the highlight colour.
//   Slider        its bitmap at position + (x value * x scale, y value * y scale), rounded to the
//                 nearest pixel (halves up); a displacement that is not finite draws nothing.
//   Icon          image ElementState.icon_image (-1: nothing).
//   MovingImage   the image seen through its mask's window at the position: per axis the window shows
//                 the image from pixel t * (W - M), t = (value - min) / (max - min) clamped to [0, 1]
//                 (so min > max runs the other way, and the window never shows past the image's edge);
//                 an unused axis, a NaN value or min == max gives t = 0. Window pixels are exactly the
//                 mask's (1,1,1) pixels; every other mask pixel is frame art drawn over the image.
//   Sprite        the texture's reference point ((0,0): the centre pixel, (w/2, h/2)) on the offset
//                 point, shifted by (x value * x scale, y value * y scale) along the texture's turned
//                 axes, turned clockwise by angle value * angle scale degrees about the offset point,
//                 scaled by the texture scale, shown only in the mask's window; mask frame art over it.
// Elements flagged IMAGE_HIDDEN are skipped; their children are not. A missing bitmap draws nothing.
// Turned images are sampled nearest-neighbour at pixel centres.
//
// Drawing options, the image-flag bits the gauges carry as data:
//   bit 0 (0x1)  DRAW_COLOUR_KEY: black pixels (0,0,0) of the element's bitmaps are not drawn, so what
//                lies below shows through. Needles (0x7), overlays, icons and sprites carry it; mask
//                frame art obeys it too, so a mostly black mask is a window in a transparent frame.
//                Strings never use it: their box is always filled with the background colour.
//   bit 1 (0x2), bit 2 (0x4), bit 4 (0x10): no effect. They ask a host that repaints only what moved
//                to erase behind an element, to keep it lit when the panel is dimmed, and to keep a
//                device-independent copy; this compositor redraws every element each frame at full
//                brightness, so all three already hold.
//
// Deterministic: the same state gives the same pixels. Drawing allocates nothing once a framebuffer
// has its size.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "host/bitmap.h"
#include "host/gauge.h"
#include "host/status.h"

namespace host {

constexpr uint32_t DRAW_COLOUR_KEY = 0x1;

// A rectangle of whole pixels; empty when either side is 0 or less.
struct Rect {
    int32_t x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    int64_t right() const { return static_cast<int64_t>(x) + w; }
    int64_t bottom() const { return static_cast<int64_t>(y) + h; }
    bool contains(int32_t px, int32_t py) const { return px >= x && py >= y && px < right() && py < bottom(); }
    bool operator==(const Rect&) const = default;
};

Rect unite(const Rect& a, const Rect& b);      // the smallest rectangle holding both (an empty one adds nothing)
Rect intersect(const Rect& a, const Rect& b);  // empty (0,0,0,0) when they do not meet

// Pixels 0xAARRGGBB, rows top to bottom. Pixel (0,0) shows the point (origin_x, origin_y) of the
// frame drawn into it (the gauge frame for a gauge, panel pixels for a panel).
struct Framebuffer {
    int32_t width = 0, height = 0;
    int32_t origin_x = 0, origin_y = 0;
    std::vector<Pixel> pixels;

    // Keeps the storage when it is big enough, so a framebuffer redrawn at one size never allocates.
    void resize(int32_t w, int32_t h);
    void clear(Pixel p = 0);
    Rect frame_rect() const { return {origin_x, origin_y, width, height}; }
    Pixel at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }  // buffer pixels
    Pixel at_frame(int32_t fx, int32_t fy) const { return at(fx - origin_x, fy - origin_y); }
    Pixel* row(int32_t y) { return &pixels[static_cast<size_t>(y) * width]; }
};

// A Windows colour value 0x00BBGGRR as an opaque framebuffer pixel.
constexpr Pixel pixel_of_bgr(uint32_t bgr) {
    return 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// The highlighted [first, last] characters of a string under the host's selection: the first triple
// whose code equals the selection. A selection of 0 highlights nothing.
bool highlight_range(const tarvik::StringElement& s, int32_t selection, int32_t& first, int32_t& last);

// Where the element draws as its state stands, in the gauge frame; empty when it draws nothing
// (hidden, no bitmap, icon -1). A turned image's rectangle is the bounding box of its turned bitmap.
Rect element_rect(const ElementState& s);

// Where the element can draw whatever its value, hidden or not, except sliders, which are taken as
// they stand: a needle's reach is the square its bitmap sweeps about the pivot.
Rect element_reach(const ElementState& s);

// The union of every element's reach: what a gauge needs to be drawn whole. Its origin is where the
// framebuffer's pixel (0,0) goes in the gauge frame. Clipped to 4096 pixels around the background so
// that a value far out of range cannot ask for a huge framebuffer.
Rect gauge_bounds(const GaugeInstance& g);

// Draws one element into the framebuffer (clipped to it), as if it were not hidden.
void draw_element(const ElementState& s, int32_t selection, Framebuffer& fb);

// Draws the gauge's visible elements in drawing order into the framebuffer, over what it holds.
void draw_gauge(const GaugeInstance& g, int32_t selection, Framebuffer& fb);

// Sizes the framebuffer to the gauge's bounds, clears it to transparent (0) and draws the gauge.
void render_gauge(const GaugeInstance& g, int32_t selection, Framebuffer& fb);

// How a framebuffer is scaled onto another.
enum class Filter { NEAREST, BILINEAR };

// Draws `src` scaled by `scale` with src's frame point (0,0) at dst frame point (at_x, at_y): the
// dst pixel whose centre is at frame point P shows src frame point (P - at) / scale. Pixels with alpha
// 0 are not drawn (nearest) or blended over (bilinear), and only dst pixels inside `clip` (dst frame
// coordinates) change.
void blit_scaled(const Framebuffer& src, double at_x, double at_y, double scale, Filter filter, const Rect& clip,
                 Framebuffer& dst);

// Writes the framebuffer as an 8-bit RGBA PNG.
Status write_png(const Framebuffer& fb, const std::filesystem::path& path);
// Reads an 8-bit RGB or RGBA PNG (for tests and tools); origin (0,0).
Status read_png(const std::filesystem::path& path, Framebuffer& out);

}  // namespace host
