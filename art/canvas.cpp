#include "art/canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art {

Canvas::Canvas(int width, int height, Colour fill) : width_(width), height_(height) {
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) throw std::invalid_argument("canvas size out of range");
    pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

Colour Canvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return BLACK;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::fill_rect(int x, int y, int w, int h, Colour c) {
    int x0 = std::max(x, 0), y0 = std::max(y, 0), x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
    for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx) pixels_[static_cast<size_t>(yy) * width_ + xx] = c;
}

void Canvas::rect(int x, int y, int w, int h, Colour c) {
    if (w <= 0 || h <= 0) return;
    fill_rect(x, y, w, 1, c);
    fill_rect(x, y + h - 1, w, 1, c);
    fill_rect(x, y, 1, h, c);
    fill_rect(x + w - 1, y, 1, h, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, Colour c) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

void Canvas::thick_line(double x0, double y0, double x1, double y1, double w, Colour c) {
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    if (len == 0) {
        fill_circle(static_cast<int>(std::lround(x0)), static_cast<int>(std::lround(y0)), static_cast<int>(w / 2), c);
        return;
    }
    double nx = -dy / len * w / 2, ny = dx / len * w / 2;
    fill_polygon({{x0 + nx, y0 + ny}, {x1 + nx, y1 + ny}, {x1 - nx, y1 - ny}, {x0 - nx, y0 - ny}}, c);
}

void Canvas::circle(int cx, int cy, int r, Colour c) {
    int x = r, y = 0, err = 1 - r;
    while (x >= y) {
        const int pts[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (auto& p : pts) set(cx + p[0], cy + p[1], c);
        ++y;
        if (err < 0) err += 2 * y + 1;
        else --x, err += 2 * (y - x) + 1;
    }
}

void Canvas::fill_circle(int cx, int cy, int r, Colour c) {
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r + r) set(cx + x, cy + y, c);
}

void Canvas::arc(double cx, double cy, double r, double from_deg, double to_deg, double w, Colour c) {
    if (to_deg < from_deg) std::swap(from_deg, to_deg);
    int x0 = static_cast<int>(std::floor(cx - r - 1)), x1 = static_cast<int>(std::ceil(cx + r + 1));
    int y0 = static_cast<int>(std::floor(cy - r - 1)), y1 = static_cast<int>(std::ceil(cy + r + 1));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double px = x + 0.5 - cx, py = y + 0.5 - cy, d = std::hypot(px, py);
            if (d > r || d < r - w) continue;
            double a = std::atan2(py, px) * 180.0 / M_PI;
            while (a < from_deg) a += 360;
            while (a - 360 >= from_deg) a -= 360;
            if (a <= to_deg) set(x, y, c);
        }
}

void Canvas::fill_polygon(const std::vector<std::pair<double, double>>& pts, Colour c) {
    if (pts.size() < 3) return;
    double ymin = pts[0].second, ymax = ymin;
    for (auto& p : pts) ymin = std::min(ymin, p.second), ymax = std::max(ymax, p.second);
    std::vector<double> xs;
    for (int y = std::max(0, static_cast<int>(std::floor(ymin))); y <= std::min(height_ - 1, static_cast<int>(std::ceil(ymax))); ++y) {
        double sy = y + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            auto [ax, ay] = pts[i];
            auto [bx, by] = pts[(i + 1) % pts.size()];
            if ((ay <= sy) != (by <= sy)) xs.push_back(ax + (sy - ay) / (by - ay) * (bx - ax));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            int xa = static_cast<int>(std::ceil(xs[i] - 0.5)), xb = static_cast<int>(std::floor(xs[i + 1] - 0.5));
            for (int x = xa; x <= xb; ++x) set(x, y, c);
        }
    }
}

void Canvas::hatch(int x, int y, int w, int h, int period, int on, Colour c) {
    if (period <= 0) return;
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (((xx + yy) % period + period) % period < on) set(xx, yy, c);
}

void Canvas::radial(double cx, double cy, double r0, double r1, double deg, double w, Colour c) {
    double a = deg * M_PI / 180.0;
    thick_line(cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a), w, c);
}

void Canvas::blit(const Canvas& src, int x, int y) {
    for (int yy = 0; yy < src.height(); ++yy)
        for (int xx = 0; xx < src.width(); ++xx) set(x + xx, y + yy, src.at(xx, yy));
}

}  // namespace art
