// Artwork of the primary flight display: every bitmap by number and size, in the order of the screen's
// groups. The drawing lives in art_screen.cpp, art_sphere.cpp and art_tapes.cpp.
#include <string>

#include "art/recipe.h"
#include "art_parts.h"

using namespace pfd_art;

art::Recipe gauge_art() {
    art::Recipe r = {
        {4096, 156, 163, "background: mode window, symbol, readout boxes, vertical speed scale, heading pointer, MAG", background},
        {4112, 92, 65, "data page: weights and reference speeds", data_page},
        {4352, 256, 256, "attitude texture: sky, ground, horizon, pitch ladder at 16 px per 10 degrees", attitude_texture},
        {4355, 71, 78, "attitude mask: rounded window, bank scale, aircraft symbol", attitude_mask},
        {4368, 7, 9, "bank pointer", bank_pointer},
        {4384, 256, 256, "heading card", heading_card},
        {4387, 99, 26, "heading window with MAG", heading_mask},
        {4400, 24, 198, "altitude scale", altitude_tape},
        {4403, 24, 109, "altitude tape window and readout box", altitude_tape_mask},
        {4416, 11, 49, "altitude last-digits drum", altitude_drum},
        {4419, 11, 14, "altitude drum window", altitude_drum_mask},
        {4432, 8, 11, "ten-thousands hatch", ten_thousands_hatch},
        {4448, 22, 909, "speed scale", speed_tape},
        {4451, 22, 109, "speed tape window and readout box", speed_tape_mask},
        {4453, 6, 86, "speed units drum", speed_drum},
        {4456, 6, 14, "speed drum window", speed_drum_mask},
        {4458, 7, 327, "take-off speed markers", takeoff_markers},
        {4461, 7, 109, "take-off markers window", [] { return open_mask(7, 109); }},
        {4464, 2, 218, "overspeed band", overspeed_band},
        {4467, 2, 109, "overspeed band window", [] { return open_mask(2, 109); }},
        {4469, 7, 327, "approach speed markers", approach_markers},
        {4472, 7, 109, "approach markers window", [] { return open_mask(7, 109); }},
        {4565, 3, 3, "selected vertical speed marker", selected_vs_marker},
        {4608, 51, 6, "localizer scale cover", localizer_cover},
        {4611, 51, 6, "localizer scale", [] { return localizer_scale(false); }},
        {4614, 51, 6, "localizer scale, expanded", [] { return localizer_scale(true); }},
        {4617, 5, 3, "to/from triangle: TO", [] { return to_from(false); }},
        {4620, 5, 3, "to/from triangle: FROM", [] { return to_from(true); }},
        {4624, 6, 51, "glideslope scale cover", glideslope_cover},
        {4627, 6, 51, "glideslope scale", glideslope_scale},
        {4640, 5, 5, "deviation pointer", deviation_pointer},
        {4656, 17, 4, "minimums label RADIO, green", [] { return minimums_label(art::GREEN); }},
        {4659, 17, 4, "minimums label RADIO, yellow", [] { return minimums_label(art::YELLOW); }},
        {4672, 14, 5, "DME label: empty", [] { return dme_label(false); }},
        {4675, 14, 5, "DME label", [] { return dme_label(true); }},
        {4880, 25, 1, "flight director pitch bar", fd_pitch_bar},
        {4881, 1, 26, "flight director roll bar", fd_roll_bar},
        {4896, 3, 5, "flight director switch: off", [] { return fd_switch(false); }},
        {4899, 3, 5, "flight director switch: on", [] { return fd_switch(true); }},
        {5120, 2, 218, "minimum speed band", minimum_speed_band},
        {5123, 2, 109, "minimum speed band window", [] { return open_mask(2, 109); }},
    };
    for (int k = 0; k < 4; ++k)
        r.push_back({4373 + 3 * k, 5, 5, "marker beacon " + std::to_string(k), [k] { return marker_beacon(k); }});
    for (int k = 0; k < 29; ++k)
        r.push_back({4480 + 3 * k, 8, 86, "vertical speed pointer " + std::to_string(k),
                     [k] { return vertical_speed_pointer(k); }});

    // Flight mode annunciations: image 0 empty, active modes green, armed modes white.
    struct Word {
        int number, width;
        const char* word;
        Colour colour;
    };
    const Word words[] = {
        {4704, 21, "", art::BLACK},      {4707, 21, "TO/GA", art::GREEN}, {4710, 21, "MACH", art::GREEN},
        {4713, 21, "SPD", art::GREEN},   {4720, 24, "", art::BLACK},      {4723, 24, "HDG SEL", art::GREEN},
        {4726, 24, "NAV", art::GREEN},   {4729, 24, "LOC", art::GREEN},   {4736, 13, "", art::BLACK},
        {4739, 13, "NAV", art::WHITE},   {4742, 13, "LOC", art::WHITE},   {4752, 12, "", art::BLACK},
        {4755, 12, "ALT", art::GREEN},   {4758, 12, "G/S", art::GREEN},   {4864, 12, "", art::BLACK},
        {4867, 12, "G/S", art::WHITE},
    };
    for (const Word& w : words)
        r.push_back({w.number, w.width, 5, std::string("mode annunciation ") + (*w.word ? w.word : "(empty)"),
                     [w] { return mode_word(w.width, w.word, w.colour); }});
    return r;
}
