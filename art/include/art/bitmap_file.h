// BMP files and the resource pack that carries a gauge's bitmaps inside its module.
//
// A pack is: "TVRP", u32 version (1), u32 count, then count entries of (u32 number, u32 offset,
// u32 size), then the BMP files themselves. All words little-endian; offsets from the pack's start.
#pragma once

#include <cstdint>
#include <vector>

#include "art/canvas.h"

namespace art {

constexpr uint32_t PACK_MAGIC = 0x50525654;  // "TVRP"
constexpr uint32_t PACK_VERSION = 1;

// An uncompressed 8-bit BMP with all 256 palette entries: bottom-up rows padded to 4 bytes.
std::vector<uint8_t> encode_bmp(const Canvas& c);

struct PackEntry {
    uint32_t number;
    std::vector<uint8_t> bmp;
};

std::vector<uint8_t> encode_pack(const std::vector<PackEntry>& entries);

}  // namespace art
