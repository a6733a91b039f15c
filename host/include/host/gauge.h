// A gauge as the host holds it while installed: its elements in drawing order with the values the
// last update gave them, its mouse list, and its loaded bitmaps.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "host/bitmap.h"
#include "tarvik/gauge.h"

namespace host {

class Module;

constexpr size_t TEXT_CAPACITY = 64;

// What the host keeps for one element: where it sits in the tree, its bitmaps, and the values the
// last update produced.
struct ElementState {
    tarvik::Element* element = nullptr;
    int index = 0;   // position in depth-first drawing order, the root 0
    int parent = -1;
    tarvik::LoadedImage loaded{};  // the element's loaded_image word points here

    const Bitmap* image = nullptr;  // the element's own bitmap (an icon's first image)
    const Bitmap* mask = nullptr;   // moving images and sprites: the bitmap 3 above
    std::vector<const Bitmap*> icon_images;  // icons: resource + 3k for k < image count

    // Values after the callbacks, per block of the kind.
    double value = 0;       // needle, icon
    double x = 0, y = 0;    // slider, moving image, sprite
    double angle_value = 0; // sprite
    double needle_angle = 0;  // degrees as drawn, after the table and the turn limit
    bool angle_valid = false;
    int icon_image = -1;      // the icon image drawn, -1 for none

    std::array<char, TEXT_CAPACITY> text{};
};

struct GaugeInstance {
    Module* module = nullptr;
    tarvik::GaugeHeader* header = nullptr;
    tarvik::Element* root = nullptr;
    std::vector<std::unique_ptr<ElementState>> elements;  // depth-first drawing order

    tarvik::MouseArea* mouse_list = nullptr;
    tarvik::PixelSize mouse_background{0, 0};
    bool mouse_installed = false;
    bool mouse_registered = false;

    bool installed = false;
    uint64_t frames = 0;    // updates run
    uint64_t plots = 0;     // draws asked for
};

// The needle angle, in degrees as drawn, for a value: direct, or through the dial table.
double needle_target_angle(const tarvik::Needle& n, double value);

// One update step of the turn limit: from the drawn angle towards the target by at most `max_deg`.
double needle_step(double drawn, double target, int32_t max_deg);

// The icon image a value selects: 0 <= k < count, else -1 (nothing drawn).
int icon_image_for(double value, int32_t count);

}  // namespace host
