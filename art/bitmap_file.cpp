#include "art/bitmap_file.h"

namespace art {

namespace {
void put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}
}  // namespace

std::vector<uint8_t> encode_bmp(const Canvas& c) {
    const uint32_t stride = (static_cast<uint32_t>(c.width()) + 3) & ~3u;
    const uint32_t image = stride * static_cast<uint32_t>(c.height());
    const uint32_t offset = 14 + 40 + 256 * 4;
    std::vector<uint8_t> v;
    v.reserve(offset + image);
    v.push_back('B');
    v.push_back('M');
    put32(v, offset + image);
    put32(v, 0);
    put32(v, offset);
    put32(v, 40);
    put32(v, static_cast<uint32_t>(c.width()));
    put32(v, static_cast<uint32_t>(c.height()));
    put16(v, 1);
    put16(v, 8);
    put32(v, 0);  // no compression
    put32(v, image);
    put32(v, 2835);
    put32(v, 2835);
    put32(v, 256);
    put32(v, 0);
    for (uint32_t bgr : palette()) {
        v.push_back(blue_of(bgr));
        v.push_back(green_of(bgr));
        v.push_back(red_of(bgr));
        v.push_back(0);
    }
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) v.push_back(c.at(x, y));
        for (uint32_t p = static_cast<uint32_t>(c.width()); p < stride; ++p) v.push_back(0);
    }
    return v;
}

std::vector<uint8_t> encode_pack(const std::vector<PackEntry>& entries) {
    std::vector<uint8_t> v;
    put32(v, PACK_MAGIC);
    put32(v, PACK_VERSION);
    put32(v, static_cast<uint32_t>(entries.size()));
    uint32_t offset = 12 + 12 * static_cast<uint32_t>(entries.size());
    for (auto& e : entries) {
        put32(v, e.number);
        put32(v, offset);
        put32(v, static_cast<uint32_t>(e.bmp.size()));
        offset += static_cast<uint32_t>(e.bmp.size());
    }
    for (auto& e : entries) v.insert(v.end(), e.bmp.begin(), e.bmp.end());
    return v;
}

}  // namespace art
