// `tarvik probe`: loads one gauge, runs the steps of its command line in order and prints what the
// gauge did as one JSON document.
#pragma once

namespace apps {
int probe_main(int argc, char** argv);
}
