// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"
#include "engine/speed_steps.h"

namespace zorvik {

// The choices that shape a game, made in the settings window. Nothing is kept
// between runs: every start begins from these defaults, the pictures being
// filled in by the window that owns them.
struct GameOptions {
    bool twoPlayers = false;
    bool campaign = false;
    int speedStep = kDefaultSpeedStep;
    // Whether a head running into the other snake ends the game; otherwise
    // the snakes pass through each other and the head may bite.
    bool snakesCollide = false;
    // Whether the computer steers player 2 in a two-player game. The game
    // reads player 2's actions alike from a person or the computer; only the
    // window that gives them needs to know.
    bool computerPlaysPlayer2 = false;

    Picture snake1;
    Picture snake2;
    Picture obstacle;

    int TimerInterval() const { return kSpeedSteps.at(static_cast<std::size_t>(speedStep)); }

    friend bool operator==(const GameOptions&, const GameOptions&) = default;
};

} // namespace zorvik
