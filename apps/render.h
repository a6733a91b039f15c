// `tarvik render MODULE_OR_PANEL_FILE --out FILE.png`: a gauge or a panel drawn to PNG.
#pragma once

namespace apps {
int render_main(int argc, char** argv);
}
