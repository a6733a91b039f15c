// Panel files: the INI-style layout of the panel's windows and the gauges placed in them.
//
//     [Window Titles]
//     Window00=Main panel
//     Window01=Overhead
//
//     [Window00]
//     position=0,0            // the window's top-left on the screen, in panel pixels
//     size=1024,768           // its width and height
//     visible=1               // 0 or 1; default 1 for the main panel, 0 for the others
//     background_color=0,0,0  // optional r,g,b fill; without it the window is transparent
//     gauge00=TARVIK_PFD!TARVIK_PFD, 10, 20        // module!gauge, x, y: the gauge's origin in the window
//     gauge01=TARVIK_GEAR!TARVIK_GEAR, 400, 300, 84  // and the width it is scaled to (none: native)
//
//     [Window01]
//     ident=10                // the window's number for panel_window_toggle; the main panel has none or 0
//     ...
//
// Section and key names are matched without regard to case. Comments start at "//" or ";". Sections
// and keys this host does not use (other sections of such files, keys such as zorder) are skipped.
// Gauges are drawn in the order of their numbers, so gauge01 lies over gauge00; windows in the order
// of their numbers, so sub-panels lie over the main panel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/status.h"

namespace host {

struct PanelGaugeEntry {
    int number = 0;        // NN of gaugeNN
    std::string module;    // the module file's name, less .gau
    std::string gauge;     // the gauge's name inside it
    int32_t x = 0, y = 0;  // the gauge's origin in the window
    int32_t width = 0;     // the width the gauge is scaled to; 0: native
    int line = 0;          // where it was declared, for messages
};

struct PanelWindowEntry {
    int number = 0;  // NN of [WindowNN]
    std::string title;
    uint32_t ident = 0;
    bool visible = true;
    int32_t x = 0, y = 0;
    int32_t width = 0, height = 0;
    bool has_background = false;
    uint32_t background_bgr = 0;  // 0x00BBGGRR
    std::vector<PanelGaugeEntry> gauges;  // in number order
    int line = 0;
};

struct PanelConfig {
    std::string file;  // as named in messages
    std::vector<PanelWindowEntry> windows;  // in number order
};

// Parses a panel file's text. Errors name the file, the line and the problem: "panel.cfg:12: ...".
Status parse_panel_config(std::string_view text, const std::string& file_name, PanelConfig& out);
Status load_panel_config(const std::filesystem::path& path, PanelConfig& out);

}  // namespace host
