#include "font/pixel_font.h"

namespace font {

namespace {
#include "faces.inc"
}

const Face& face_4x6() { return F4x6; }
const Face& face_5x7() { return F5x7; }
const Face& face_5x8() { return F5x8; }
const Face& face_6x9() { return F6x9; }

const Face& face_for_height(int h) {
    if (h >= 9) return F6x9;
    if (h >= 8) return F5x8;
    if (h >= 7) return F5x7;
    return F4x6;
}

}  // namespace font
