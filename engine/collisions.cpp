// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

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
            content.message = EndMessage{NameOf(other), " Won", {}};
        }
        ShowEndScreen(content);
        return true;
    };
    // Returns true when meeting the other snake ended the game.
    const auto meetOther = [&](int p) {
        if (h != otherSnake.cells.at(static_cast<std::size_t>(p))) {
            return false;
        }
        if (options_.snakesCollide) {
            BeginEnding(1);
            ShowEndScreen({EndPicture::GameOver,
                           {},
                           EndMessage{NameOf(self), " Collided with ", NameOf(other)}});
            return true;
        }
        cellPictures_.at(static_cast<std::size_t>(h)) = pictures_.blackHead;
        return false;
    };

    for (int p = 0; p < snake.headIndex; ++p) {
        if (h == snake.cells.at(static_cast<std::size_t>(p)) ||
            obstacles_.at(static_cast<std::size_t>(h)) == kObstacle) {
            return crash();
        }
        if (twoPlayers && p <= otherSnake.headIndex && meetOther(p)) {
            return true;
        }
    }
    if (twoPlayers) {
        for (int p = snake.headIndex; p <= otherSnake.headIndex; ++p) {
            if (meetOther(p)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace zorvik
