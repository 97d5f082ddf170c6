// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

namespace zorvik {

class PictureBook;

// The main window's own pictures: the board's fixed pictures and the round
// buttons.
struct GamePictures {
    explicit GamePictures(PictureBook& book);

    BoardPictures board;
    Picture pause;
    Picture play;
    Picture help;
    Picture minimise;
    Picture exit;
};

} // namespace zorvik
