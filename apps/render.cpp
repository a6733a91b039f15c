// `tarvik render`: one gauge, or a whole panel file, drawn to a PNG after one update.
#include "render.h"

#include <CLI/CLI.hpp>

#include <cmath>
#include <cstdio>

#include "host/compositor.h"
#include "host/host.h"
#include "host/panel.h"
#include "host/panel_config.h"
#include "module_lookup.h"
#include "probe.h"

namespace apps {

namespace {

constexpr int EXIT_USAGE = 2;
constexpr int EXIT_REFUSED = 3;

// Scales a whole image; a scale of 1 keeps it as it is.
void scale_image(const host::Framebuffer& in, double scale, host::Filter filter, host::Framebuffer& out) {
    out.origin_x = out.origin_y = 0;
    out.resize(std::max(1, static_cast<int32_t>(std::lround(in.width * scale))), std::max(1, static_cast<int32_t>(std::lround(in.height * scale))));
    out.clear(0);
    host::Framebuffer src = in;
    src.origin_x = src.origin_y = 0;
    host::blit_scaled(src, 0, 0, scale, filter, out.frame_rect(), out);
}

bool looks_like_module(const std::string& what) {
    const std::filesystem::path p(what);
    std::error_code ec;
    return p.extension() == ".gau" || !std::filesystem::is_regular_file(p, ec);
}

}  // namespace

int render_main(int argc, char** argv) {
    CLI::App app{"Draws one gauge module, or every visible window of a panel file, to a PNG.\n"
                 "A gauge is drawn whole (elements outside its background too) after one update; a panel\n"
                 "file's gauges are found by module name in the panel root.",
                 "tarvik render"};
    std::string what, out_file, filter_name = "nearest";
    std::filesystem::path root = default_panel_root();
    double scale = 1.0;
    int updates = 1;
    int32_t selection = 0;
    std::vector<std::string> sets;
    app.add_option("MODULE_OR_PANEL_FILE", what, "a module name, gauge name or module file; or a panel file")->required();
    app.add_option("--out", out_file, "the PNG file to write")->required();
    app.add_option("--scale", scale, "scale of the whole image (default 1)")->check(CLI::Range(0.05, 16.0));
    app.add_option("--filter", filter_name, "nearest (crisp, default) or bilinear")->check(CLI::IsMember({"nearest", "bilinear"}));
    app.add_option("--set", sets, "NAME=VALUE: a host variable before the update, as in tarvik probe");
    app.add_option("--update", updates, "frames to run before drawing (default 1)")->check(CLI::Range(0, 100000));
    app.add_option("--selection", selection, "the host's radio selection, for highlighted characters");
    app.add_option("--root", root, "the panel root, where modules are found");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : EXIT_USAGE;
    }
    // The host's working folder becomes the panel root; the output stays where the caller meant it.
    std::error_code path_ec;
    const std::filesystem::path out_path = std::filesystem::absolute(out_file, path_ec);
    root = std::filesystem::absolute(root, path_ec);
    const host::Filter filter = filter_name == "bilinear" ? host::Filter::BILINEAR : host::Filter::NEAREST;

    host::MemoryVariables vars;
    for (auto& s : sets)
        if (auto err = apply_set(vars, s); !err.empty()) {
            fprintf(stderr, "tarvik render: %s\n", err.c_str());
            return EXIT_USAGE;
        }
    host::EventLog keys;
    host::Host h(vars, keys);
    h.set_selection(selection);
    host::Framebuffer image;

    if (looks_like_module(what)) {
        std::filesystem::path file;
        if (auto st = find_module(what, root, file); !st) {
            fprintf(stderr, "tarvik render: %s\n", st.message.c_str());
            return EXIT_REFUSED;
        }
        std::error_code ec;
        file = std::filesystem::absolute(file, ec);
        if (std::filesystem::is_directory(root, ec)) std::filesystem::current_path(root, ec);
        host::Status st;
        host::GaugeInstance* g = h.add_gauge(file, st);
        if (!g) {
            fprintf(stderr, "tarvik render: %s\n", st.message.c_str());
            return EXIT_REFUSED;
        }
        for (int i = 0; i < updates; ++i) h.frame(*g);
        host::render_gauge(*g, h.selection(), image);
    } else {
        host::PanelConfig config;
        if (auto st = host::load_panel_config(what, config); !st) {
            fprintf(stderr, "tarvik render: %s\n", st.message.c_str());
            return EXIT_REFUSED;
        }
        std::error_code ec;
        host::Panel panel;
        auto finder = [&](const std::string& module, std::filesystem::path& file) { return find_module(module, root, file); };
        if (std::filesystem::is_directory(root, ec)) std::filesystem::current_path(root, ec);
        if (auto st = panel.load(config, h, finder); !st) {
            fprintf(stderr, "tarvik render: %s\n", st.message.c_str());
            return EXIT_REFUSED;
        }
        for (int i = 0; i < updates; ++i) h.frame_all();
        panel.draw(h, filter, image);
    }
    if (image.width <= 0 || image.height <= 0) {
        fprintf(stderr, "tarvik render: nothing to draw\n");
        return 1;
    }
    host::Framebuffer scaled;
    const host::Framebuffer* final_image = &image;
    if (scale != 1.0) {
        scale_image(image, scale, filter, scaled);
        final_image = &scaled;
    }
    if (auto st = host::write_png(*final_image, out_path); !st) {
        fprintf(stderr, "tarvik render: %s\n", st.message.c_str());
        return 1;
    }
    return 0;
}

}  // namespace apps
