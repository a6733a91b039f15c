#include "art_util.h"

#include <cmath>
#include <vector>

namespace pfd_art {

namespace {

struct MicroGlyph {
    char c;
    const char* rows[5];  // '#' inked
};

// Row 2 is the one dropped for the 4-row form of the letters that carry their bar there.
constexpr MicroGlyph GLYPHS[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}},
    {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"#", "#", "#", "#", "#"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'r', {"...", "...", "#.#", "##.", "#.."}},
    {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {".#", "##", ".#", ".#", ".#"}},
    {'2', {"##.", "..#", ".#.", "#..", "###"}},
    {'5', {"###", "#..", "##.", "..#", "##."}},
    {'/', {"..#", "..#", ".#.", "#..", "#.."}},
};

// 4-row letters: the RADIO label.
constexpr MicroGlyph GLYPHS_4[] = {
    {'R', {"##.", "#.#", "##.", "#.#", ""}},
    {'A', {".#.", "#.#", "###", "#.#", ""}},
    {'D', {"##.", "#.#", "#.#", "##.", ""}},
    {'I', {"#", "#", "#", "#", ""}},
    {'O', {".#.", "#.#", "#.#", ".#.", ""}},
};

const MicroGlyph* find(char ch, int rows) {
    if (rows == 4)
        for (const auto& g : GLYPHS_4)
            if (g.c == ch) return &g;
    for (const auto& g : GLYPHS)
        if (g.c == ch) return &g;
    return nullptr;
}

int glyph_width(char ch, int rows) {
    if (ch == ' ') return 1;
    const MicroGlyph* g = find(ch, rows);
    return g ? static_cast<int>(std::string_view(g->rows[0]).size()) : 3;
}

// The inked pixels of a pixel-font text, relative to its pen position.
struct Ink {
    std::vector<std::pair<int, int>> px;
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -(1 << 20), y1 = -(1 << 20);
};

Ink ink_of(std::string_view s, int size) {
    Canvas scratch(art::text_width(s, size) + 4, art::text_height(size) + 4, art::BLACK);
    art::text(scratch, 2, 2, s, art::WHITE, size);
    Ink ink;
    for (int y = 0; y < scratch.height(); ++y)
        for (int x = 0; x < scratch.width(); ++x)
            if (scratch.at(x, y) == art::WHITE) {
                ink.px.push_back({x, y});
                ink.x0 = std::min(ink.x0, x), ink.x1 = std::max(ink.x1, x);
                ink.y0 = std::min(ink.y0, y), ink.y1 = std::max(ink.y1, y);
            }
    return ink;
}

}  // namespace

int micro_width(std::string_view s) {
    int w = 0;
    for (size_t i = 0; i < s.size(); ++i) w += glyph_width(s[i], 5) + (i + 1 < s.size() ? 1 : 0);
    return w;
}

void micro_text(Canvas& c, int x, int y, std::string_view s, Colour colour, int rows) {
    for (char ch : s) {
        if (const MicroGlyph* g = ch == ' ' ? nullptr : find(ch, rows)) {
            for (int r = 0; r < rows; ++r)
                for (int col = 0; g->rows[r][col]; ++col)
                    if (g->rows[r][col] == '#') c.set(x + col, y + r, colour);
        }
        x += glyph_width(ch, rows) + 1;
    }
}

void micro_centred(Canvas& c, int cx, int y, std::string_view s, Colour colour, int rows) {
    micro_text(c, cx - micro_width(s) / 2, y, s, colour, rows);
}

void ink_centred_text(Canvas& c, double cx, double cy, std::string_view s, Colour colour, int size) {
    const Ink ink = ink_of(s, size);
    if (ink.px.empty()) return;
    // The inked box's centre is ((x0 + x1 + 1) / 2, (y0 + y1 + 1) / 2) in pixel-edge coordinates.
    const int dx = static_cast<int>(std::lround(cx - (ink.x0 + ink.x1 + 1) / 2.0));
    const int dy = static_cast<int>(std::lround(cy - (ink.y0 + ink.y1 + 1) / 2.0));
    for (auto [x, y] : ink.px) c.set(x + dx, y + dy, colour);
}

void turned_text(Canvas& c, double cx, double cy, double deg, std::string_view s, Colour colour, int size) {
    const Ink ink = ink_of(s, size);
    if (ink.px.empty()) return;
    const double mx = (ink.x0 + ink.x1 + 1) / 2.0, my = (ink.y0 + ink.y1 + 1) / 2.0;
    const int w = ink.x1 + 1, h = ink.y1 + 1;
    std::vector<bool> on(static_cast<size_t>(w * h), false);
    for (auto [x, y] : ink.px) on[static_cast<size_t>(y * w + x)] = true;
    const double a = deg * M_PI / 180.0, ca = std::cos(a), sa = std::sin(a);
    const int r = static_cast<int>(std::ceil(std::hypot(w, h))) + 1;
    // Each pixel is inked when enough of it, sampled on a 4 x 4 grid, falls on the turned strokes:
    // thin strokes stay whole where a single sample would break them.
    constexpr int N = 4;
    for (int y = static_cast<int>(cy) - r; y <= static_cast<int>(cy) + r; ++y)
        for (int x = static_cast<int>(cx) - r; x <= static_cast<int>(cx) + r; ++x) {
            int hits = 0;
            for (int sy = 0; sy < N; ++sy)
                for (int sx = 0; sx < N; ++sx) {
                    const double px = x + (sx + 0.5) / N - cx, py = y + (sy + 0.5) / N - cy;
                    const double tx = ca * px + sa * py + mx, ty = -sa * px + ca * py + my;
                    const int ix = static_cast<int>(std::floor(tx)), iy = static_cast<int>(std::floor(ty));
                    if (ix >= 0 && iy >= 0 && ix < w && iy < h && on[static_cast<size_t>(iy * w + ix)]) ++hits;
                }
            if (hits * 100 >= 35 * N * N) c.set(x, y, colour);
        }
}

void outlined_triangle(Canvas& c, double x0, double y0, double x1, double y1, double x2, double y2, Colour fill,
                       Colour outline) {
    c.fill_polygon({{x0, y0}, {x1, y1}, {x2, y2}}, fill);
    auto ln = [&](double ax, double ay, double bx, double by) {
        c.line(static_cast<int>(std::floor(ax)), static_cast<int>(std::floor(ay)), static_cast<int>(std::floor(bx)),
               static_cast<int>(std::floor(by)), outline);
    };
    ln(x0, y0, x1, y1);
    ln(x1, y1, x2, y2);
    ln(x2, y2, x0, y0);
}

}  // namespace pfd_art
