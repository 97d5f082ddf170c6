// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_options.h"
#include "engine/picture.h"

#include <array>

namespace zorvik {

class PictureBook;

// The pictures a player can choose from, loaded once and shared by the
// board and the settings window.
struct OptionPictures {
    explicit OptionPictures(PictureBook& book);

    // Snake swatches, left to right, by their colours' names.
    static constexpr std::array<const char*, 5> kSnakeColours{"green", "red", "yellow", "dark red",
                                                              "blue"};
    std::array<Picture, kSnakeColours.size()> snakes{};
    // Obstacle tiles, left to right.
    static constexpr std::array<const char*, 8> kTileColours{"beige", "red",  "magenta", "orange",
                                                             "blue",  "cyan", "green",   "yellow"};
    std::array<Picture, kTileColours.size()> tiles{};

    // The options every start of the program begins from: a red snake for
    // player 1, a green one for player 2 and red obstacle tiles.
    GameOptions DefaultOptions() const;
};

} // namespace zorvik
