// [SECTION] Rectangles and framebuffers
// [SECTION] Fixed-point mapping of turned images
// [SECTION] Element rectangles and gauge bounds
// [SECTION] Drawing per kind
// [SECTION] The gauge walk
// [SECTION] Scaling onto a panel
#include "host/compositor.h"

#include <pixman.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "font/pixel_font.h"
#include "tarvik/numeric.h"

namespace host {

using namespace tarvik;

namespace {

// Coordinates beyond this are off any panel: elements there are not drawn, and rectangles are clamped
// to it so that no sum of two coordinates overflows.
constexpr int64_t FAR = int64_t{1} << 24;
// How far outside the background a gauge's bounds may reach.
constexpr int64_t BOUNDS_MARGIN = 4096;

constexpr Pixel BLACK_PIXEL = 0xFF000000u;

int32_t clamp_coord(int64_t v) { return static_cast<int32_t>(std::clamp(v, -FAR, FAR)); }

Rect make_rect(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    const int32_t a = clamp_coord(x0), b = clamp_coord(y0), c = clamp_coord(x1), d = clamp_coord(y1);
    if (c <= a || d <= b) return {};
    return {a, b, c - a, d - b};
}

bool far_away(const PixelPoint& p) { return p.x < -FAR || p.x > FAR || p.y < -FAR || p.y > FAR; }

}  // namespace

// [SECTION] Rectangles and framebuffers

Rect unite(const Rect& a, const Rect& b) {
    if (a.empty()) return b.empty() ? Rect{} : b;
    if (b.empty()) return a;
    return make_rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom()));
}

Rect intersect(const Rect& a, const Rect& b) {
    if (a.empty() || b.empty()) return {};
    return make_rect(std::max(a.x, b.x), std::max(a.y, b.y), std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom()));
}

void Framebuffer::resize(int32_t w, int32_t h) {
    width = std::max(w, 0);
    height = std::max(h, 0);
    pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
}

void Framebuffer::clear(Pixel p) { std::fill(pixels.begin(), pixels.end(), p); }

bool highlight_range(const StringElement& s, int32_t selection, int32_t& first, int32_t& last) {
    if (!s.highlights || selection == 0) return false;
    for (int i = 0; i < 64 && s.highlights[i].selection != 0; ++i)
        if (s.highlights[i].selection == selection) {
            first = s.highlights[i].first;
            last = s.highlights[i].last;
            return true;
        }
    return false;
}

// [SECTION] Fixed-point mapping of turned images
//
// A turned image is drawn by mapping each framebuffer pixel's centre back into the bitmap: in 32.32
// fixed point, u = cu + au * (X - px) + bu * (Y - py) and v likewise, and the pixel shows bitmap
// pixel (u >> 32, v >> 32). Along a row u and v grow by au and av per pixel, so the run of pixels that
// lands inside the bitmap is found by exact integer division and drawn without a bounds check.

namespace {

constexpr double ONE = 4294967296.0;  // 2^32

struct Affine {
    int64_t cu, cv;  // bitmap point at the anchor pixel's centre
    int64_t au, av;  // per pixel to the right
    int64_t bu, bv;  // per pixel down
    int32_t px, py;  // the anchor pixel
};

int64_t fixed(double d) { return std::llround(std::clamp(d, -1e6, 1e6) * ONE); }

int64_t floor_div(int64_t a, int64_t b) {  // b > 0
    int64_t q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}
int64_t ceil_div(int64_t a, int64_t b) { return -floor_div(-a, b); }

// Narrows [lo, hi) to the i for which 0 <= u + i * a < limit.
void narrow(int64_t u, int64_t a, int64_t limit, int64_t& lo, int64_t& hi) {
    if (a == 0) {
        if (u < 0 || u >= limit) hi = lo;
    } else if (a > 0) {
        lo = std::max(lo, ceil_div(-u, a));
        hi = std::min(hi, ceil_div(limit - u, a));
    } else {
        const int64_t b = -a;
        hi = std::min(hi, floor_div(u, b) + 1);
        lo = std::max(lo, floor_div(u - limit, b) + 1);
    }
    if (hi < lo) hi = lo;
}

// Clockwise turn by `deg` on a y-down screen, as the inverse map's coefficients.
void turn_coefficients(double deg, double& c, double& s) {
    const double r = std::fmod(deg, 360.0) * M_PI / 180.0;
    c = std::cos(r);
    s = std::sin(r);
}

Affine needle_map(const Element& e, double angle_deg) {
    double c, s;
    turn_coefficients(angle_deg, c, s);
    Affine t;
    t.px = e.position.x;
    t.py = e.position.y;
    t.cu = fixed(e.offset.x + 0.5);
    t.cv = fixed(e.offset.y + 0.5);
    t.au = fixed(c);
    t.bu = fixed(s);
    t.av = fixed(-s);
    t.bv = fixed(c);
    return t;
}

struct SpriteGeometry {
    bool drawable = false;
    Affine map{};
};

double texture_scale(float f) { return std::isfinite(f) && f >= 0.0625f ? f : 1.0; }

SpriteGeometry sprite_map(const ElementState& st) {
    const auto& sp = static_cast<const Sprite&>(*st.element);
    SpriteGeometry g;
    if (!st.image) return g;
    const double shx = st.x * sp.x.scale, shy = st.y * sp.y.scale, deg = st.angle_value * sp.angle.scale;
    if (!std::isfinite(shx) || !std::isfinite(shy) || !std::isfinite(deg)) return g;
    const double tsx = texture_scale(sp.texture_scale_x), tsy = texture_scale(sp.texture_scale_y);
    const bool centre = sp.texture_ref_x == 0 && sp.texture_ref_y == 0;
    const double rx = centre ? st.image->width / 2 : sp.texture_ref_x;
    const double ry = centre ? st.image->height / 2 : sp.texture_ref_y;
    double c, s;
    turn_coefficients(deg, c, s);
    g.map.px = sp.offset.x;
    g.map.py = sp.offset.y;
    // Bitmap point = reference + (turned-back screen offset - shift) / texture scale.
    g.map.cu = fixed(rx + 0.5 - std::clamp(shx, -1e5, 1e5) / tsx);
    g.map.cv = fixed(ry + 0.5 - std::clamp(shy, -1e5, 1e5) / tsy);
    g.map.au = fixed(c / tsx);
    g.map.bu = fixed(s / tsx);
    g.map.av = fixed(-s / tsy);
    g.map.bv = fixed(c / tsy);
    g.drawable = !far_away(sp.offset);
    return g;
}

// The run [lo, hi) of the n pixels from frame pixel (x0, y) rightwards that land inside a w x h bitmap,
// with the bitmap point at lo.
struct Run {
    int64_t lo, hi, u, v;
};

Run row_run(const Affine& t, int32_t x0, int32_t y, int32_t n, int32_t w, int32_t h) {
    const int64_t dx = static_cast<int64_t>(x0) - t.px, dy = static_cast<int64_t>(y) - t.py;
    const int64_t u = t.cu + t.au * dx + t.bu * dy;
    const int64_t v = t.cv + t.av * dx + t.bv * dy;
    Run r{0, n, 0, 0};
    narrow(u, t.au, static_cast<int64_t>(w) << 32, r.lo, r.hi);
    narrow(v, t.av, static_cast<int64_t>(h) << 32, r.lo, r.hi);
    r.u = u + r.lo * t.au;
    r.v = v + r.lo * t.av;
    return r;
}

// The bounding box of a w x h bitmap drawn through the inverse map t (whose linear part is a turn,
// perhaps scaled): the forward images of its corners.
Rect turned_box(const Affine& t, int32_t w, int32_t h) {
    const double au = t.au / ONE, av = t.av / ONE, bu = t.bu / ONE, bv = t.bv / ONE;
    const double det = au * bv - bu * av;
    if (!(std::fabs(det) > 1e-12)) return {};
    const double cu = t.cu / ONE, cv = t.cv / ONE;
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (int k = 0; k < 4; ++k) {
        const double u = (k & 1 ? w : 0) - cu, v = (k & 2 ? h : 0) - cv;
        // Solve [au bu; av bv] (dx, dy) = (u, v) for the screen offset from the anchor pixel's centre.
        const double dx = (u * bv - bu * v) / det, dy = (au * v - u * av) / det;
        x0 = std::min(x0, dx), x1 = std::max(x1, dx), y0 = std::min(y0, dy), y1 = std::max(y1, dy);
    }
    const double cx = t.px + 0.5, cy = t.py + 0.5;
    return make_rect(static_cast<int64_t>(std::floor(std::clamp(cx + x0, -1e8, 1e8))),
                     static_cast<int64_t>(std::floor(std::clamp(cy + y0, -1e8, 1e8))),
                     static_cast<int64_t>(std::ceil(std::clamp(cx + x1, -1e8, 1e8))),
                     static_cast<int64_t>(std::ceil(std::clamp(cy + y1, -1e8, 1e8))));
}

Rect image_rect(const Bitmap* b, int64_t x, int64_t y) {
    if (!b) return {};
    return make_rect(x, y, x + b->width, y + b->height);
}

bool slider_displacement(const ElementState& st, int64_t& dx, int64_t& dy) {
    const auto& sl = static_cast<const Slider&>(*st.element);
    const double fx = std::floor(st.x * sl.x.scale + 0.5), fy = std::floor(st.y * sl.y.scale + 0.5);
    if (!std::isfinite(fx) || !std::isfinite(fy)) return false;
    dx = static_cast<int64_t>(std::clamp(fx, -static_cast<double>(FAR), static_cast<double>(FAR)));
    dy = static_cast<int64_t>(std::clamp(fy, -static_cast<double>(FAR), static_cast<double>(FAR)));
    return true;
}

// A moving image's offset into its image on one axis: t * (image size - window size).
int64_t moving_offset(const RangeBlock& b, double value, int32_t image_size, int32_t window_size) {
    if (!block_used(b.source, b.callback)) return 0;
    const double span = b.maximum - b.minimum;
    double t = span != 0.0 ? (value - b.minimum) / span : 0.0;
    if (!std::isfinite(t)) t = 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return static_cast<int64_t>(std::floor(t * (image_size - window_size) + 0.5));
}

}  // namespace

// [SECTION] Element rectangles and gauge bounds

namespace {

Rect rect_of(const ElementState& st, bool reach) {
    const Element& e = *st.element;
    if (far_away(e.position)) return {};
    switch (e.kind) {
        case KIND_STATIC_IMAGE: return image_rect(st.image, e.position.x, e.position.y);
        case KIND_NEEDLE: {
            if (!st.image) return {};
            if (!reach) return turned_box(needle_map(e, st.needle_angle), st.image->width, st.image->height);
            // The square the bitmap sweeps about the pivot pixel's centre.
            const double ox = e.offset.x + 0.5, oy = e.offset.y + 0.5;
            const double wx = std::max(ox, st.image->width - ox), wy = std::max(oy, st.image->height - oy);
            const auto r = static_cast<int64_t>(std::ceil(std::hypot(wx, wy)));
            return make_rect(e.position.x - r, e.position.y - r, e.position.x + 1 + r, e.position.y + 1 + r);
        }
        case KIND_STRING: {
            const auto& s = static_cast<const StringElement&>(e);
            return make_rect(e.position.x, e.position.y, static_cast<int64_t>(e.position.x) + s.box_width,
                             static_cast<int64_t>(e.position.y) + s.box_height);
        }
        case KIND_SLIDER: {
            int64_t dx, dy;
            if (!slider_displacement(st, dx, dy)) return {};
            return image_rect(st.image, e.position.x + dx, e.position.y + dy);
        }
        case KIND_ICON: {
            if (!reach) {
                if (st.icon_image < 0 || static_cast<size_t>(st.icon_image) >= st.icon_images.size()) return {};
                return image_rect(st.icon_images[static_cast<size_t>(st.icon_image)], e.position.x, e.position.y);
            }
            Rect r;
            for (const Bitmap* b : st.icon_images) r = unite(r, image_rect(b, e.position.x, e.position.y));
            return r;
        }
        case KIND_MOVING_IMAGE: return st.image ? image_rect(st.mask, e.position.x, e.position.y) : Rect{};
        case KIND_SPRITE: return st.image ? image_rect(st.mask, e.position.x, e.position.y) : Rect{};
    }
    return {};
}

}  // namespace

Rect element_rect(const ElementState& st) {
    if (is_hidden(*st.element)) return {};
    return rect_of(st, false);
}

Rect element_reach(const ElementState& st) { return rect_of(st, true); }

Rect gauge_bounds(const GaugeInstance& g) {
    Rect r;
    for (auto& s : g.elements) r = unite(r, element_reach(*s));
    Rect limit{static_cast<int32_t>(-BOUNDS_MARGIN), static_cast<int32_t>(-BOUNDS_MARGIN), static_cast<int32_t>(2 * BOUNDS_MARGIN),
               static_cast<int32_t>(2 * BOUNDS_MARGIN)};
    if (!g.elements.empty()) {
        const ElementState& root = *g.elements.front();
        if (Rect bg = image_rect(root.image, root.element->position.x, root.element->position.y); !bg.empty())
            limit = make_rect(bg.x - BOUNDS_MARGIN, bg.y - BOUNDS_MARGIN, bg.right() + BOUNDS_MARGIN, bg.bottom() + BOUNDS_MARGIN);
    }
    return intersect(r, limit);
}

// [SECTION] Drawing per kind

namespace {

// Copies a bitmap unturned with its top-left at frame point (x, y).
void blit_image(const Bitmap& b, int64_t x, int64_t y, bool key, Framebuffer& fb) {
    const Rect r = intersect(make_rect(x, y, x + b.width, y + b.height), fb.frame_rect());
    if (r.empty()) return;
    for (int32_t yy = r.y; yy < r.bottom(); ++yy) {
        const Pixel* src = &b.pixels[static_cast<size_t>(yy - y) * b.width + static_cast<size_t>(r.x - x)];
        Pixel* dst = fb.row(yy - fb.origin_y) + (r.x - fb.origin_x);
        if (!key) {
            std::memcpy(dst, src, sizeof(Pixel) * static_cast<size_t>(r.w));
        } else {
            for (int32_t i = 0; i < r.w; ++i)
                if (src[i] != BLACK_PIXEL) dst[i] = src[i];
        }
    }
}

// Draws a bitmap through an inverse map, over the frame rectangle `area`.
template <bool KEY>
void blit_turned(const Bitmap& b, const Affine& t, const Rect& area, Framebuffer& fb) {
    const Rect r = intersect(area, fb.frame_rect());
    if (r.empty()) return;
    const Pixel* src = b.pixels.data();
    const size_t w = static_cast<size_t>(b.width);
    for (int32_t y = r.y; y < r.bottom(); ++y) {
        Run run = row_run(t, r.x, y, r.w, b.width, b.height);
        Pixel* dst = fb.row(y - fb.origin_y) + (r.x - fb.origin_x);
        int64_t u = run.u, v = run.v;
        for (int64_t i = run.lo; i < run.hi; ++i, u += t.au, v += t.av) {
            const Pixel p = src[static_cast<size_t>(v >> 32) * w + static_cast<size_t>(u >> 32)];
            if (!KEY || p != BLACK_PIXEL) dst[i] = p;
        }
    }
}

// The mask's frame art (its pixels other than the window) at frame point (x, y).
void blit_frame_art(const Bitmap& mask, int32_t x, int32_t y, bool key, const Rect& r, Framebuffer& fb) {
    for (int32_t yy = r.y; yy < r.bottom(); ++yy) {
        const size_t row = static_cast<size_t>(yy - y) * mask.width + static_cast<size_t>(r.x - x);
        const Pixel* src = &mask.pixels[row];
        const uint8_t* win = &mask.window[row];
        Pixel* dst = fb.row(yy - fb.origin_y) + (r.x - fb.origin_x);
        for (int32_t i = 0; i < r.w; ++i)
            if (!win[i] && (!key || src[i] != BLACK_PIXEL)) dst[i] = src[i];
    }
}

void draw_needle(const ElementState& st, bool key, Framebuffer& fb) {
    const Element& e = *st.element;
    if (!st.image || far_away(e.position) || !std::isfinite(st.needle_angle)) return;
    const Affine t = needle_map(e, st.needle_angle);
    const Rect area = turned_box(t, st.image->width, st.image->height);
    if (key) blit_turned<true>(*st.image, t, area, fb);
    else blit_turned<false>(*st.image, t, area, fb);
}

void draw_string(const ElementState& st, int32_t selection, Framebuffer& fb) {
    const auto& s = static_cast<const StringElement&>(*st.element);
    const Rect box = rect_of(st, false);
    const Rect r = intersect(box, fb.frame_rect());
    if (r.empty()) return;
    const Pixel bg = pixel_of_bgr(s.background_colour), fg = pixel_of_bgr(s.text_colour), hi = pixel_of_bgr(s.highlight_colour);
    for (int32_t y = r.y; y < r.bottom(); ++y) std::fill_n(fb.row(y - fb.origin_y) + (r.x - fb.origin_x), r.w, bg);
    const std::string_view text(st.text.data(), strnlen(st.text.data(), st.text.size()));
    if (text.empty()) return;
    const font::Face& face = font::face_for_height(s.box_height);
    int32_t first = 0, last = -1;
    highlight_range(s, selection, first, last);
    const int64_t x0 = box.x + (static_cast<int64_t>(box.w) - face.width(text)) / 2;
    const int64_t y0 = box.y + (static_cast<int64_t>(box.h) - face.height) / 2;
    font::render(face, static_cast<int>(x0), static_cast<int>(y0), text, [&](int px, int py, size_t i) {
        if (!r.contains(px, py)) return;
        const bool lit = static_cast<int64_t>(i) >= first && static_cast<int64_t>(i) <= last;
        fb.row(py - fb.origin_y)[px - fb.origin_x] = lit ? hi : fg;
    });
}

void draw_moving_image(const ElementState& st, bool key, Framebuffer& fb) {
    const auto& mi = static_cast<const MovingImage&>(*st.element);
    if (!st.image || !st.mask) return;
    const Bitmap& img = *st.image;
    const Bitmap& mask = *st.mask;
    const int32_t x = mi.position.x, y = mi.position.y;
    const Rect r = intersect(rect_of(st, false), fb.frame_rect());
    if (r.empty()) return;
    const int64_t ox = moving_offset(mi.x, st.x, img.width, mask.width);
    const int64_t oy = moving_offset(mi.y, st.y, img.height, mask.height);
    for (int32_t yy = r.y; yy < r.bottom(); ++yy) {
        const int64_t iy = yy - y + oy;
        if (iy < 0 || iy >= img.height) continue;
        const uint8_t* win = &mask.window[static_cast<size_t>(yy - y) * mask.width];
        const Pixel* src = &img.pixels[static_cast<size_t>(iy) * img.width];
        Pixel* dst = fb.row(yy - fb.origin_y) - fb.origin_x;
        // Only the columns that fall inside the image.
        const int64_t lo = std::max<int64_t>(r.x, x - ox), hi = std::min<int64_t>(r.right(), x - ox + img.width);
        for (int64_t xx = lo; xx < hi; ++xx) {
            if (!win[xx - x]) continue;
            const Pixel p = src[xx - x + ox];
            if (!key || p != BLACK_PIXEL) dst[xx] = p;
        }
    }
    blit_frame_art(mask, x, y, key, r, fb);
}

void draw_sprite(const ElementState& st, bool key, Framebuffer& fb) {
    if (!st.image || !st.mask) return;
    const Element& e = *st.element;
    const Bitmap& tex = *st.image;
    const Bitmap& mask = *st.mask;
    const SpriteGeometry g = sprite_map(st);
    const Rect r = intersect(rect_of(st, false), fb.frame_rect());
    if (r.empty()) return;
    if (g.drawable) {
        const Affine& t = g.map;
        const size_t w = static_cast<size_t>(tex.width);
        for (int32_t y = r.y; y < r.bottom(); ++y) {
            Run run = row_run(t, r.x, y, r.w, tex.width, tex.height);
            if (run.hi <= run.lo) continue;
            const uint8_t* win = &mask.window[static_cast<size_t>(y - e.position.y) * mask.width + static_cast<size_t>(r.x - e.position.x)];
            Pixel* dst = fb.row(y - fb.origin_y) + (r.x - fb.origin_x);
            int64_t u = run.u, v = run.v;
            for (int64_t i = run.lo; i < run.hi; ++i, u += t.au, v += t.av) {
                if (!win[i]) continue;
                const Pixel p = tex.pixels[static_cast<size_t>(v >> 32) * w + static_cast<size_t>(u >> 32)];
                if (!key || p != BLACK_PIXEL) dst[i] = p;
            }
        }
    }
    blit_frame_art(mask, e.position.x, e.position.y, key, r, fb);
}

}  // namespace

void draw_element(const ElementState& st, int32_t selection, Framebuffer& fb) {
    const Element& e = *st.element;
    if (far_away(e.position)) return;
    const bool key = (e.image_flags & DRAW_COLOUR_KEY) != 0;
    switch (e.kind) {
        case KIND_STATIC_IMAGE:
            if (st.image) blit_image(*st.image, e.position.x, e.position.y, key, fb);
            break;
        case KIND_NEEDLE: draw_needle(st, key, fb); break;
        case KIND_STRING: draw_string(st, selection, fb); break;
        case KIND_SLIDER: {
            int64_t dx, dy;
            if (st.image && slider_displacement(st, dx, dy)) blit_image(*st.image, e.position.x + dx, e.position.y + dy, key, fb);
            break;
        }
        case KIND_ICON:
            if (st.icon_image >= 0 && static_cast<size_t>(st.icon_image) < st.icon_images.size())
                if (const Bitmap* b = st.icon_images[static_cast<size_t>(st.icon_image)])
                    blit_image(*b, e.position.x, e.position.y, key, fb);
            break;
        case KIND_MOVING_IMAGE: draw_moving_image(st, key, fb); break;
        case KIND_SPRITE: draw_sprite(st, key, fb); break;
        default: break;
    }
}

// [SECTION] The gauge walk

void draw_gauge(const GaugeInstance& g, int32_t selection, Framebuffer& fb) {
    // The host keeps the elements in drawing order: each before its children, children in list order.
    for (auto& s : g.elements)
        if (!is_hidden(*s->element)) draw_element(*s, selection, fb);
}

void render_gauge(const GaugeInstance& g, int32_t selection, Framebuffer& fb) {
    const Rect b = gauge_bounds(g);
    fb.origin_x = b.x;
    fb.origin_y = b.y;
    fb.resize(b.w, b.h);
    fb.clear(0);
    draw_gauge(g, selection, fb);
}

// [SECTION] Scaling onto a panel

namespace {

void blit_scaled_nearest(const Framebuffer& src, double at_x, double at_y, double scale, const Rect& area, Framebuffer& dst) {
    for (int32_t y = area.y; y < area.bottom(); ++y) {
        const double fy = std::floor((y + 0.5 - at_y) / scale) - src.origin_y;
        if (!(fy >= 0 && fy < src.height)) continue;
        const Pixel* srow = &src.pixels[static_cast<size_t>(fy) * src.width];
        Pixel* drow = dst.row(y - dst.origin_y) - dst.origin_x;
        for (int32_t x = area.x; x < area.right(); ++x) {
            const double fx = std::floor((x + 0.5 - at_x) / scale) - src.origin_x;
            if (!(fx >= 0 && fx < src.width)) continue;
            const Pixel p = srow[static_cast<size_t>(fx)];
            if (p >> 24) drow[x] = p;
        }
    }
}

void blit_scaled_bilinear(const Framebuffer& src, double at_x, double at_y, double scale, const Rect& area, Framebuffer& dst) {
    // pixman reads the source as premultiplied a8r8g8b8; gauge pixels are opaque or fully transparent
    // zero, which is the same in both forms.
    pixman_image_t* s = pixman_image_create_bits(PIXMAN_a8r8g8b8, src.width, src.height,
                                                 const_cast<uint32_t*>(src.pixels.data()), src.width * 4);
    pixman_image_t* d = pixman_image_create_bits(PIXMAN_a8r8g8b8, dst.width, dst.height, dst.pixels.data(), dst.width * 4);
    if (s && d) {
        // Destination buffer pixel p samples source buffer point p / scale + k.
        const double kx = (dst.origin_x - at_x) / scale - src.origin_x, ky = (dst.origin_y - at_y) / scale - src.origin_y;
        pixman_transform_t t;
        pixman_transform_init_identity(&t);
        t.matrix[0][0] = pixman_double_to_fixed(1.0 / scale);
        t.matrix[1][1] = pixman_double_to_fixed(1.0 / scale);
        t.matrix[0][2] = pixman_double_to_fixed(kx);
        t.matrix[1][2] = pixman_double_to_fixed(ky);
        pixman_image_set_transform(s, &t);
        pixman_image_set_filter(s, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        pixman_image_set_repeat(s, PIXMAN_REPEAT_NONE);
        const int bx = area.x - dst.origin_x, by = area.y - dst.origin_y;
        pixman_image_composite32(PIXMAN_OP_OVER, s, nullptr, d, bx, by, 0, 0, bx, by, area.w, area.h);
    }
    if (s) pixman_image_unref(s);
    if (d) pixman_image_unref(d);
}

}  // namespace

void blit_scaled(const Framebuffer& src, double at_x, double at_y, double scale, Filter filter, const Rect& clip,
                 Framebuffer& dst) {
    if (!(scale > 0) || !std::isfinite(scale) || !std::isfinite(at_x) || !std::isfinite(at_y) || src.width <= 0 || src.height <= 0)
        return;
    // The destination pixels whose centres fall on the source.
    const double x0 = at_x + src.origin_x * scale, y0 = at_y + src.origin_y * scale;
    const double x1 = x0 + src.width * scale, y1 = y0 + src.height * scale;
    const auto lim = [](double v) { return static_cast<int64_t>(std::clamp(v, -static_cast<double>(FAR), static_cast<double>(FAR))); };
    Rect area = make_rect(lim(std::floor(x0 - 1)), lim(std::floor(y0 - 1)), lim(std::ceil(x1 + 1)), lim(std::ceil(y1 + 1)));
    area = intersect(intersect(area, clip), dst.frame_rect());
    if (area.empty()) return;
    if (filter == Filter::BILINEAR) blit_scaled_bilinear(src, at_x, at_y, scale, area, dst);
    else blit_scaled_nearest(src, at_x, at_y, scale, area, dst);
}

}  // namespace host
