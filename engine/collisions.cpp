// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

#include <cassert>

namespace zorvik {

// Player 1's head first; the first ending found ends the pass.
void SnakeGame::CheckCollisions() {
    if (CheckHead(players_[0], players_[1])) {
        return;
    }
    if (options_.twoPlayers) {
        CheckHead(players_[1], players_[0]);
    }
}

// Tests one head against its own body and the obstacles, and in a two-player
// game against every segment of the other snake, heads included, so that two
// heads meeting on one cell are found whatever the lengths. At each position
// the head's own test comes first.
bool SnakeGame::CheckHead(Player& self, Player& other) {
    const Snake& snake = self.snake;
    const Snake& otherSnake = other.snake;
    const int h = snake.HeadCell();
    const bool twoPlayers = options_.twoPlayers;
    const auto crash = [&] {
        BeginEnding(1);
        EndScreenContent content{EndPicture::GameOver, {}, {}};
        if (twoPlayers) {
            content.message = EndMessage{Outcome::Won, NumberOf(other)};
        }
        ShowEndScreen(content);
        return true;
    };
    // The head lies on the other snake: returns true when that ended the game.
    const auto meetOther = [&] {
        if (options_.snakesCollide) {
            BeginEnding(1);
            ShowEndScreen({EndPicture::GameOver,
                           {},
                           EndMessage{Outcome::Collided, NumberOf(self), NumberOf(other)}});
            return true;
        }
        cellPictures_.at(static_cast<std::size_t>(h)) = pictures_.blackHead;
        return false;
    };

    const bool onObstacle = obstacles_.at(static_cast<std::size_t>(h)) == kObstacle;
    const int lastOther = twoPlayers ? otherSnake.headIndex : -1;
    // The scans below read the cells unchecked, as they run on every tick.
    assert(snake.headIndex < kCells && lastOther < kCells);
    const int* own = snake.cells.data();
    const int* others = otherSnake.cells.data();
    for (int p = 0; p < snake.headIndex; ++p) {
        if (own[p] == h || onObstacle) {
            return crash();
        }
        if (p <= lastOther && others[p] == h && meetOther()) {
            return true;
        }
    }
    for (int p = snake.headIndex; p <= lastOther; ++p) {
        if (others[p] == h && meetOther()) {
            return true;
        }
    }
    return false;
}

} // namespace zorvik
