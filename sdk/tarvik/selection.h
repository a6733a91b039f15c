// The host's radio selection codes: which digit group the keyboard is tuning. Highlight lists name them.
#pragma once

#include <cstdint>

namespace tarvik {

enum Selection : int32_t {
    SELECTION_NONE = 0,
    SELECTION_VIEW_ZOOM = 2,
    SELECTION_COM_MHZ = 4,
    SELECTION_COM_KHZ = 5,
    SELECTION_NAV1_MHZ = 6,
    SELECTION_NAV1_KHZ = 7,
    SELECTION_NAV2_MHZ = 8,
    SELECTION_NAV2_KHZ = 9,
    SELECTION_TRANSPONDER_1000 = 10,
    SELECTION_TRANSPONDER_100 = 11,
    SELECTION_TRANSPONDER_10 = 12,
    SELECTION_TRANSPONDER_1 = 13,
    SELECTION_NAV1_COURSE = 14,
    SELECTION_ADF_100 = 19,
    SELECTION_ADF_10 = 20,
    SELECTION_ADF_1 = 21,
    SELECTION_SIM_RATE = 23,
};

}  // namespace tarvik
