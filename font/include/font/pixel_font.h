// The panel's pixel fonts: the misc-fixed faces 4x6, 5x7, 5x8 and 6x9, built into the program.
// Both the artwork and the host's text drawing use them, so labels and readouts match.
#pragma once

#include <cstdint>
#include <string_view>

namespace font {

struct Glyph {
    int8_t advance;  // pixels to the next character
    int8_t left;     // bitmap offset from the pen
    int8_t top;      // rows below the cell's top
    int8_t width, height;
    uint16_t rows[16];  // bit x of row y set where the glyph is inked
};

struct Face {
    const char* name;
    int cell_width;
    int height;
    int ascent;
    const Glyph* glyphs;  // printable ASCII 32..126

    const Glyph* glyph(char c) const {
        unsigned char u = static_cast<unsigned char>(c);
        return (u >= 32 && u < 127) ? &glyphs[u - 32] : &glyphs['?' - 32];
    }
    int width(std::string_view s) const {
        int w = 0;
        for (char c : s) w += glyph(c)->advance;
        return w;
    }
};

const Face& face_4x6();
const Face& face_5x7();
const Face& face_5x8();
const Face& face_6x9();

// The largest face whose height fits a text box of that many pixels (4x6 below 7).
const Face& face_for_height(int box_height);

// Calls ink(x, y) for every inked pixel of the text with its cell's top-left at (x, y); the i-th
// character's pixels come with index i.
template <typename Ink>
void render(const Face& f, int x, int y, std::string_view s, Ink&& ink) {
    int pen = x;
    for (size_t i = 0; i < s.size(); ++i) {
        const Glyph* g = f.glyph(s[i]);
        for (int r = 0; r < g->height && r < 16; ++r)
            for (int c = 0; c < g->width && c < 16; ++c)
                if (g->rows[r] & (1u << c)) ink(pen + g->left + c, y + g->top + r, i);
        pen += g->advance;
    }
}

}  // namespace font
