// Builders for the display's element records, so that each record reads as one row of the layout:
// kind and bitmap, position, offset, flags, sources and parameters, children. Every element carries
// the gauge's failure list unless it says otherwise, and every string the same font and draw flags.
#pragma once

#include "pfd.h"

// The gauge header, defined by the standard lifecycle at the end of pfd.cpp.
extern tarvik::GaugeHeader pfd_gauge;

namespace pfd {

extern const FailureEntry failures[];

namespace rec {

struct Source {
    int32_t token = 0;
    ValueCallback callback = nullptr;
};

constexpr TokenVar var(int32_t token) {
    TokenVar v{};
    v.token = token;
    return v;
}

constexpr Element head(ElementKind kind, int32_t bitmap, PixelPoint at, PixelPoint offset, uint32_t flags,
                       Element** children, const FailureEntry* fail) {
    Element e{};
    e.kind = kind;
    e.resource = bitmap;
    e.position = at;
    e.offset = offset;
    e.gauge = &pfd_gauge;
    e.children = children;
    e.failures = fail;
    e.image_flags = flags;
    return e;
}

constexpr StaticImage image(int32_t bitmap, PixelPoint at, uint32_t flags, Element** children = nullptr) {
    StaticImage s{};
    static_cast<Element&>(s) = head(KIND_STATIC_IMAGE, bitmap, at, {0, 0}, flags, children, failures);
    return s;
}

struct NeedleTable {
    const NonlinearityEntry* rows;
    int32_t count;
};

constexpr Needle needle(int32_t bitmap, PixelPoint pivot, PixelPoint offset, uint32_t flags, Source src,
                        NeedleTable table, int32_t max_degrees_per_update, Element** children = nullptr) {
    Needle n{};
    static_cast<Element&>(n) = head(KIND_NEEDLE, bitmap, pivot, offset, flags, children, failures);
    n.source = var(src.token);
    n.callback = src.callback;
    n.table = table.rows;
    n.table_count = table.count;
    n.max_degrees_per_update = max_degrees_per_update;
    return n;
}

struct Box {
    int32_t width, height, chars;
};

struct Colours {
    uint32_t text, background;
};

struct Sources {
    int32_t first = 0, second = 0, third = 0;
};

constexpr StringElement text(PixelPoint at, Box box, Colours colours, uint32_t flags, Sources sources,
                             StringCallback callback, Element** children = nullptr) {
    StringElement s{};
    static_cast<Element&>(s) = head(KIND_STRING, -1, at, {0, 0}, flags, children, failures);
    s.source[0] = var(sources.first);
    s.source[1] = var(sources.second);
    s.source[2] = var(sources.third);
    s.callback = callback;
    s.box_width = box.width;
    s.box_height = box.height;
    s.text_colour = colours.text;
    s.background_colour = colours.background;
    s.highlight_colour = 0x5C5C5C;
    constexpr char face[] = "Small Fonts";
    for (size_t i = 0; i < sizeof face; ++i) s.font_face[i] = face[i];
    s.weight = 400;
    s.charset = 1;
    s.draw_flags = 0x25;  // centred both ways, single line
    s.char_count = box.chars;
    s.highlights = nullptr;
    return s;
}

struct Scaled {
    int32_t token = 0;
    ValueCallback callback = nullptr;
    double scale = 0;
};

constexpr ScaledBlock block(Scaled s) { return {var(s.token), s.callback, s.scale}; }

constexpr Slider slider(int32_t bitmap, PixelPoint at, uint32_t flags, Scaled x, Scaled y,
                        Element** children = nullptr, const FailureEntry* fail = failures) {
    Slider s{};
    static_cast<Element&>(s) = head(KIND_SLIDER, bitmap, at, {0, 0}, flags, children, fail);
    s.x = block(x);
    s.y = block(y);
    return s;
}

constexpr Icon icon(int32_t bitmap, PixelPoint at, uint32_t flags, int32_t image_count, Source src,
                    Element** children = nullptr) {
    Icon i{};
    static_cast<Element&>(i) = head(KIND_ICON, bitmap, at, {0, 0}, flags, children, failures);
    i.source = var(src.token);
    i.callback = src.callback;
    i.image_count = image_count;
    return i;
}

struct Range {
    int32_t token = 0;
    ValueCallback callback = nullptr;
    double minimum = 0, maximum = 0;
};

// Every moving image of the display moves on its y axis only.
constexpr MovingImage moving_y(int32_t bitmap, PixelPoint at, uint32_t flags, Range y, Element** children = nullptr) {
    MovingImage m{};
    static_cast<Element&>(m) = head(KIND_MOVING_IMAGE, bitmap, at, {0, 0}, flags, children, failures);
    m.y = {var(y.token), y.callback, y.minimum, y.maximum};
    return m;
}

// Texture scale (1,1) and reference point (0,0), the texture's centre, as in every sprite of the display.
constexpr Sprite sprite(int32_t bitmap, PixelPoint at, PixelPoint centre, uint32_t flags, Scaled x, Scaled y,
                        Scaled angle, Element** children = nullptr) {
    Sprite s{};
    static_cast<Element&>(s) = head(KIND_SPRITE, bitmap, at, centre, flags, children, failures);
    s.x = block(x);
    s.y = block(y);
    s.angle = block(angle);
    s.texture_scale_x = 1.0f;
    s.texture_scale_y = 1.0f;
    s.texture_ref_x = 0;
    s.texture_ref_y = 0;
    return s;
}

}  // namespace rec
}  // namespace pfd
