// A gauge's art recipe: the list of its bitmaps by number and declared size, each with the routine
// that draws it. The build-time tool runs every routine and refuses a bitmap whose drawn size differs
// from the declared one, or a number declared twice.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "art/canvas.h"

namespace art {

struct BitmapRecipe {
    int number;
    int width;
    int height;
    std::string what;
    std::function<Canvas()> draw;
};

using Recipe = std::vector<BitmapRecipe>;

}  // namespace art

// Each gauge's art file defines this.
art::Recipe gauge_art();
