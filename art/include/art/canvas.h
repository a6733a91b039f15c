// An 8-bit palette canvas and the drawing the gauge artwork is made of.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "art/palette.h"

namespace art {

class Canvas {
public:
    Canvas(int width, int height, Colour fill = BLACK);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<uint8_t>& pixels() const { return pixels_; }  // rows top to bottom

    Colour at(int x, int y) const;
    void set(int x, int y, Colour c);  // outside the canvas: ignored

    void fill(Colour c);
    void fill_rect(int x, int y, int w, int h, Colour c);
    void rect(int x, int y, int w, int h, Colour c);  // a one-pixel outline
    void line(int x0, int y0, int x1, int y1, Colour c);
    void thick_line(double x0, double y0, double x1, double y1, double width, Colour c);
    void circle(int cx, int cy, int r, Colour c);
    void fill_circle(int cx, int cy, int r, Colour c);
    // An arc of radius r between two angles in degrees, measured clockwise from +x (the screen's
    // y points down), drawn `width` pixels thick inwards.
    void arc(double cx, double cy, double r, double from_deg, double to_deg, double width, Colour c);
    // A filled polygon, even-odd rule, sampled at pixel centres.
    void fill_polygon(const std::vector<std::pair<double, double>>& points, Colour c);
    // Diagonal hatching of a rectangle: stripes `period` pixels apart, `on` pixels wide.
    void hatch(int x, int y, int w, int h, int period, int on, Colour c);
    // A tick on a dial: from radius r0 to r1 at an angle clockwise from +x.
    void radial(double cx, double cy, double r0, double r1, double deg, double width, Colour c);

    void blit(const Canvas& src, int x, int y);

private:
    int width_, height_;
    std::vector<uint8_t> pixels_;
};

// Text in the panel's pixel fonts. `size` picks the face: 5 or 6 (4 x 6), 7 (5 x 7), 8 (5 x 8),
// 9 (6 x 9). Anchors: text(...) puts the top-left corner at (x, y); centred_text centres on (x, y).
int text_width(std::string_view s, int size = 7);
int text_height(int size = 7);
void text(Canvas& c, int x, int y, std::string_view s, Colour colour, int size = 7);
void centred_text(Canvas& c, int cx, int cy, std::string_view s, Colour colour, int size = 7);

}  // namespace art
