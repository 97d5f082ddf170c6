// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

namespace zorvik {

class PictureBook;
struct OptionPictures;

// The main window's own pictures: the engine's cell templates in their
// start-up state and the round buttons.
struct GamePictures {
    GamePictures(PictureBook& book, const OptionPictures& choices);

    CellPictures cells;
    Picture pause1;
    Picture play1;
    Picture help;
    Picture minimise;
    Picture exit;
};

} // namespace zorvik
