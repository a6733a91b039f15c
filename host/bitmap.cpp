#include "host/bitmap.h"

#include <cstring>

namespace host {

namespace {
uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
}  // namespace

Status decode_bmp(std::span<const uint8_t> d, Bitmap& out) {
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return Status::error("not a BMP file");
    const uint32_t pixel_offset = le32(&d[10]);
    const uint32_t info_size = le32(&d[14]);
    if (info_size < 40 || 14ull + info_size > d.size()) return Status::error("BMP header is truncated");
    const int32_t w = static_cast<int32_t>(le32(&d[18]));
    const int32_t h_raw = static_cast<int32_t>(le32(&d[22]));
    const uint16_t bits = le16(&d[28]);
    const uint32_t compression = le32(&d[30]);
    uint32_t colours = le32(&d[46]);
    if (bits != 8 || compression != 0) return Status::error("BMP is not an uncompressed 8-bit palette image");
    if (h_raw == INT32_MIN) return Status::error("BMP height out of range");
    const bool top_down = h_raw < 0;
    const int32_t h = top_down ? -h_raw : h_raw;
    if (w <= 0 || h <= 0 || w > 8192 || h > 8192) return Status::error("BMP size out of range");
    if (colours == 0) colours = 256;
    if (colours > 256) return Status::error("BMP palette has more than 256 entries");
    const uint64_t palette_at = 14ull + info_size;
    if (palette_at + 4ull * colours > d.size()) return Status::error("BMP palette is truncated");
    const uint64_t stride = (static_cast<uint64_t>(w) + 3) & ~3ull;
    if (pixel_offset < palette_at || pixel_offset + stride * static_cast<uint64_t>(h) > d.size())
        return Status::error("BMP pixel data is truncated");

    out.width = w;
    out.height = h;
    out.palette.assign(colours, 0);
    for (uint32_t i = 0; i < colours; ++i) {
        const uint8_t* p = &d[palette_at + 4ull * i];
        out.palette[i] = p[2] | (p[1] << 8) | (static_cast<uint32_t>(p[0]) << 16);
    }
    const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h);
    out.index.resize(n);
    out.pixels.resize(n);
    out.window.resize(n);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* row = &d[pixel_offset + stride * static_cast<uint64_t>(top_down ? y : h - 1 - y)];
        std::memcpy(&out.index[static_cast<size_t>(y) * w], row, static_cast<size_t>(w));
    }
    for (size_t i = 0; i < n; ++i) {
        const uint8_t k = out.index[i];
        const uint32_t bgr = k < colours ? out.palette[k] : 0;
        out.window[i] = bgr == WINDOW_BGR;
        out.pixels[i] = 0xFF000000u | ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    }
    return Status::success();
}

}  // namespace host
