// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "computer/computer_player.h"

#include <algorithm>

namespace zorvik {

namespace {

// A quick player presses a key at most once in this many milliseconds.
constexpr int kQuickestGap = 100;

PlayerAction TurnTo(int dir) {
    switch (dir) {
    case kLeft:
        return PlayerAction::TurnLeft;
    case kUp:
        return PlayerAction::TurnUp;
    case kRight:
        return PlayerAction::TurnRight;
    default:
        return PlayerAction::TurnDown;
    }
}

} // namespace

ComputerPlayer::ComputerPlayer(int player) : player_(player), sinceAction_(kQuickestGap) {}

std::optional<PlayerAction> ComputerPlayer::ChooseAction(const SnakeGame& game) {
    const int interval = game.options().TimerInterval();
    sinceAction_ = std::min(sinceAction_ + interval, kQuickestGap);
    if (sinceAction_ < kQuickestGap || (player_ == 2 && !game.options().twoPlayers)) {
        return std::nullopt;
    }
    const Snake& snake = game.player(player_).snake;
    const int dir = snake.directions.at(static_cast<std::size_t>(snake.headIndex));
    if (dir < kRight || dir > kDown) {
        return std::nullopt; // a snake that does not move yet
    }
    // A turn holds until the next action is allowed.
    const int turnSteps = (kQuickestGap + interval - 1) / interval;
    const int direction = planner_.Choose(game, player_, turnSteps);

    // A bite takes the place of a turn only when it kills.
    std::optional<PlayerAction> action;
    const bool killingBite = game.player(3 - player_).power <= kDeadlyPower;
    if (MayBite(game, snake) && (direction == dir || killingBite)) {
        action = PlayerAction::Bite;
    } else if (direction != dir) {
        action = TurnTo(direction);
    }
    if (action) {
        sinceAction_ = 0;
    }
    return action;
}

// The head lies black on the other snake in a two-player game.
bool ComputerPlayer::MayBite(const SnakeGame& game, const Snake& snake) const {
    return game.options().twoPlayers &&
           game.cellPictures().at(static_cast<std::size_t>(snake.HeadCell())) ==
               game.boardPictures().blackHead;
}

} // namespace zorvik
