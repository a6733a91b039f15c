// A module's bitmap as the host loaded it: an 8-bit palette image, with the colour of every pixel
// resolved once at load so that drawing never looks up the palette.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "host/status.h"

namespace host {

// 0xAARRGGBB, alpha always 255 in loaded bitmaps.
using Pixel = uint32_t;

constexpr uint32_t WINDOW_BGR = 0x010101;  // a mask's see-through colour, (1,1,1)

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> index;     // width * height palette indices, rows top to bottom
    std::vector<uint32_t> palette;  // 0x00BBGGRR, as many entries as the file has (up to 256)
    std::vector<Pixel> pixels;      // width * height resolved colours, rows top to bottom
    std::vector<uint8_t> window;    // width * height: 1 where the pixel is the window colour (1,1,1)

    bool is_window(int x, int y) const { return window[static_cast<size_t>(y) * width + x] != 0; }
};

// Decodes an uncompressed 8-bit BMP. Every size and offset is checked against the data.
Status decode_bmp(std::span<const uint8_t> data, Bitmap& out);

}  // namespace host
