// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

namespace zorvik {

namespace {
constexpr float kBite = 100;
} // namespace

// Both players' actions are read in every tick, also in a one-player game,
// where player 2's turns only turn the idle second snake.
void SnakeGame::ReadActions() {
    ReadPlayerActions(players_[0], players_[1], 1);
    ReadPlayerActions(players_[1], players_[0], 2);
}

// At most one action per player: the first turn that may turn the head acts,
// and the actions after it are not read, so their requests wait for a later
// tick. The bite is read only when no turn acted.
void SnakeGame::ReadPlayerActions(Player& self, Player& other, int number) {
    Snake& snake = self.snake;
    int& dir = snake.directions.at(static_cast<std::size_t>(snake.headIndex));
    const bool vertical = dir > 2;
    const std::array<bool, 4> allowed{vertical, !vertical, vertical, !vertical};
    const std::array<int, 4> directions{kLeft, kUp, kRight, kDown};
    const std::array<PlayerAction, 4> turns{PlayerAction::TurnLeft, PlayerAction::TurnUp,
                                            PlayerAction::TurnRight, PlayerAction::TurnDown};
    for (std::size_t k = 0; k < turns.size(); ++k) {
        if (window_->ActionRequested({number, turns[k]}) && allowed[k]) {
            dir = directions[k];
            return;
        }
    }
    // A one-player game has nobody to bite, even where the idle second snake's
    // last head cell still shows the black head.
    if (window_->ActionRequested({number, PlayerAction::Bite}) && options_.twoPlayers &&
        cellPictures_.at(static_cast<std::size_t>(snake.HeadCell())) == pictures_.blackHead) {
        Bite(other);
    }
}

void SnakeGame::Bite(Player& victim) {
    if (victim.power > kDeadlyPower) {
        victim.power -= kBite;
        tickEvents_.Add(TickEvent::BiteTookPower);
    } else {
        EndByBite(victim);
    }
}

void SnakeGame::EndByBite(const Player& victim) {
    BeginEnding(1);
    ShowEndScreen({EndPicture::GameOver, {}, EndMessage{Outcome::BittenToDeath, NumberOf(victim)}});
}

} // namespace zorvik
