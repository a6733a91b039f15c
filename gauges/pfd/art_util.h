// Drawing helpers of the flight display's artwork: a 3 x 5 (and 3 x 4) annunciator font for the mode
// words and labels that must fit 4- and 5-pixel bitmaps, text centred on its inked pixels (so a label
// lands on a half-pixel row), and text turned about a point for the compass card.
#pragma once

#include <string_view>

#include "art/canvas.h"

namespace pfd_art {

using art::Canvas;
using art::Colour;

// Annunciator letters: 5 rows, 3 columns (M, N, W and V wider), one blank column between letters, a
// blank one column wide. With rows = 4 the letters are drawn 4 rows tall.
int micro_width(std::string_view s);
void micro_text(Canvas& c, int x, int y, std::string_view s, Colour colour, int rows = 5);
void micro_centred(Canvas& c, int cx, int y, std::string_view s, Colour colour, int rows = 5);

// Pixel-font text whose inked box is centred on (cx, cy): a centre on a half pixel falls between rows.
void ink_centred_text(Canvas& c, double cx, double cy, std::string_view s, Colour colour, int size);

// Pixel-font text centred on (cx, cy) and turned clockwise by deg degrees, sampled nearest.
void turned_text(Canvas& c, double cx, double cy, double deg, std::string_view s, Colour colour, int size);

// A filled triangle with an outline of another colour.
void outlined_triangle(Canvas& c, double x0, double y0, double x1, double y1, double x2, double y2, Colour fill,
                       Colour outline);

}  // namespace pfd_art
