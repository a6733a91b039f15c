// The sound plays a probe snapshot lists.
#include "probe_hooks.h"

namespace apps {

Json ProbeHooks::take_sounds() { return Json::array(); }

}  // namespace apps
