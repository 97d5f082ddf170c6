// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "computer/move_planner.h"
#include "engine/player_action.h"
#include "engine/snake_game.h"

#include <optional>

namespace zorvik {

// A computer opponent that steers one player's snake through that player's
// own actions, seeing only what a player sees. It acts at most once in any
// 100 ms, as a quick player can, and plans its turns with that pace. The same
// game played the same way gets the same choices.
class ComputerPlayer {
public:
    // Steers player 1 or 2.
    explicit ComputerPlayer(int player);

    // Called once a tick, before the game reads the players' actions: the one
    // action the computer asks for in this tick, if any.
    std::optional<PlayerAction> ChooseAction(const SnakeGame& game);

private:
    bool MayBite(const SnakeGame& game, const Snake& snake) const;

    int player_;
    // Milliseconds since the last action, counted up to the quickest gap.
    int sinceAction_;
    computer::MovePlanner planner_;
};

} // namespace zorvik
