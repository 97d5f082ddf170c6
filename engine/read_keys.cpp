// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/keys.h"
#include "engine/snake_game.h"

namespace zorvik {

namespace {
constexpr float kBite = 100;
constexpr float kDeadlyPower = 70; // a bite at this power or less kills

// Each player's keys in the order they are read: left, up, right, down, bite.
constexpr std::array<int, 5> kPlayer1Keys{vk::Left, vk::Up, vk::Right, vk::Down, vk::Control};
constexpr std::array<int, 5> kPlayer2Keys{vk::A, vk::W, vk::D, vk::S, vk::Tab};
} // namespace

// Both players' keys are read in every tick, also in a one-player game, where
// player 2's keys only turn the idle second snake.
void SnakeGame::ReadKeys() {
    ReadPlayerKeys(players_[0], players_[1], kPlayer1Keys);
    ReadPlayerKeys(players_[1], players_[0], kPlayer2Keys);
}

// At most one action per player: the first steering key that may turn the
// head acts, and the keys after it are not read, so their presses wait for a
// later tick. The bite key is read only when no steering key acted.
void SnakeGame::ReadPlayerKeys(Player& self, Player& other, const std::array<int, 5>& keys) {
    Snake& snake = self.snake;
    int& dir = snake.directions.at(static_cast<std::size_t>(snake.headIndex));
    const bool vertical = dir > 2;
    const std::array<bool, 4> allowed{vertical, !vertical, vertical, !vertical};
    const std::array<int, 4> turns{kLeft, kUp, kRight, kDown};
    for (std::size_t k = 0; k < turns.size(); ++k) {
        if (window_->KeyPressed(keys[k]) && allowed[k]) {
            dir = turns[k];
            return;
        }
    }
    // A one-player game has nobody to bite, even where the idle second snake's
    // last head cell still shows the black head.
    if (window_->KeyPressed(keys[4]) && options_.twoPlayers &&
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
    ShowEndScreen(
        {EndPicture::GameOver, {}, EndMessage{NameOf(victim), " was bitten to death", {}}});
}

} // namespace zorvik
