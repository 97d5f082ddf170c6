// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"
#include "engine/speed_steps.h"

#include <array>

namespace zorvik {

class PictureBook;

// The settings window's own pictures, loaded once: its background, its
// buttons, and the pictures its toggles switch between.
struct SettingsPictures {
    explicit SettingsPictures(PictureBook& book);

    Picture background;
    Picture apply;
    Picture cancel;

    // The collide buttons, unselected (grey) and selected (green).
    Picture collideYesOff;
    Picture collideYesOn;
    Picture collideNoOff;
    Picture collideNoOn;

    // Who steers player 2, unselected and selected.
    Picture personOff;
    Picture personOn;
    Picture computerOff;
    Picture computerOn;

    // Each speed segment lit, and the one unlit segment.
    std::array<Picture, kSpeedSteps.size()> speedLit{};
    Picture speedUnlit;

    Picture onePlayer;
    Picture twoPlayers;
};

} // namespace zorvik
