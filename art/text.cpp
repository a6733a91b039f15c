#include "font/pixel_font.h"

#include "art/canvas.h"

namespace art {

namespace {
const font::Face& face(int size) {
    if (size <= 5) return font::face_4x6();
    if (size <= 7) return font::face_5x7();
    if (size == 8) return font::face_5x8();
    return font::face_6x9();
}
}  // namespace

int text_width(std::string_view s, int size) { return face(size).width(s); }
int text_height(int size) { return face(size).height; }

void text(Canvas& c, int x, int y, std::string_view s, Colour colour, int size) {
    font::render(face(size), x, y, s, [&](int px, int py, size_t) { c.set(px, py, colour); });
}

void centred_text(Canvas& c, int cx, int cy, std::string_view s, Colour colour, int size) {
    text(c, cx - text_width(s, size) / 2, cy - text_height(size) / 2, s, colour, size);
}

}  // namespace art
