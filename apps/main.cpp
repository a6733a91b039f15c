// The tarvik command: probe, render, fly, view.
#include <cstdio>
#include <cstring>
#include <string>

#include "probe.h"
#include "render.h"

namespace {

void usage(FILE* f) {
    fprintf(f,
            "usage: tarvik COMMAND [ARGS...]\n"
            "\n"
            "commands:\n"
            "  probe MODULE [STEP...]   drive one gauge step by step and print its state as JSON\n"
            "  render MODULE_OR_PANEL_FILE --out FILE.png [--scale S]   draw a gauge or a panel to PNG\n"
            "\n"
            "Run 'tarvik COMMAND --help' for a command's options.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(stderr);
        return 2;
    }
    const std::string cmd = argv[1];
    if (cmd == "--help" || cmd == "-h" || cmd == "help") {
        usage(stdout);
        return 0;
    }
    if (cmd == "probe") return apps::probe_main(argc - 1, argv + 1);
    if (cmd == "render") return apps::render_main(argc - 1, argv + 1);
    fprintf(stderr, "tarvik: unknown command '%s'\n", cmd.c_str());
    usage(stderr);
    return 2;
}
