#pragma once
// The ruler's state, shared by its two source files.

#include "kwpnd/super_ruler.h"

#include <array>

namespace kwpnd {

struct KWPND10_NO_EXPORT SuperRuler::Private {
    Surface face{0, 0};
    std::int32_t orientation = 0;
    std::int32_t startValue = 0;
    std::int32_t borderStyle = 0;
    std::int32_t scaleMode = 0;
    std::int32_t majorInterval = 1000;
    bool mouseTrackingOn = false;
    bool destroyRuler = false;
    QMenu* scaleModeMenu = nullptr;
    std::array<QAction*, 4> scaleModeItems{};
};

}  // namespace kwpnd
