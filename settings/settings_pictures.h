// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"
#include "engine/speed_steps.h"

#include <array>

namespace zorvik {

class PictureBook;

// The settings window's own pictures, loaded once: its background, its
// buttons, and the templates its toggles switch between.
struct SettingsPictures {
    explicit SettingsPictures(PictureBook& book);

    Picture background;
    Picture apply;
    Picture cancel;

    // The collide buttons, unselected (up) and selected (down).
    Picture yesup;
    Picture yesdown;
    Picture noup;
    Picture nodown;

    // Each speed segment lit, and the one unlit segment.
    std::array<Picture, kSpeedSteps.size()> SpeedUp{};
    Picture SpeedDown;

    Picture oneplayer;
    Picture twoplayer;
};

} // namespace zorvik
