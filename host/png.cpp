// PNG files of framebuffers, through libpng's simplified interface.
#include <png.h>

#include <cstring>

#include "host/compositor.h"

namespace host {

Status write_png(const Framebuffer& fb, const std::filesystem::path& path) {
    if (fb.width <= 0 || fb.height <= 0) return Status::error(path.string() + ": nothing to write (empty image)");
    // Framebuffer pixels may carry blended, premultiplied edges after bilinear scaling; PNG wants
    // straight alpha.
    std::vector<Pixel> straight(fb.pixels);
    for (Pixel& p : straight) {
        const uint32_t a = p >> 24;
        if (a == 0 || a == 255) continue;
        auto un = [a](uint32_t c) { return std::min<uint32_t>(255, (c * 255 + a / 2) / a); };
        p = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(fb.width);
    image.height = static_cast<png_uint_32>(fb.height);
    image.format = PNG_FORMAT_BGRA;  // a little-endian 0xAARRGGBB word is B, G, R, A in memory
    if (!png_image_write_to_file(&image, path.c_str(), 0, straight.data(), fb.width * 4, nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        return Status::error(path.string() + ": cannot write PNG: " + why);
    }
    return Status::success();
}

Status read_png(const std::filesystem::path& path, Framebuffer& out) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return Status::error(path.string() + ": " + image.message);
    if (image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        return Status::error(path.string() + ": image too large");
    }
    image.format = PNG_FORMAT_BGRA;
    out.origin_x = out.origin_y = 0;
    out.resize(static_cast<int32_t>(image.width), static_cast<int32_t>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), static_cast<png_int_32>(image.width * 4), nullptr)) {
        std::string why = image.message;
        png_image_free(&image);
        return Status::error(path.string() + ": " + why);
    }
    return Status::success();
}

}  // namespace host
