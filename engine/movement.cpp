// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

#include <algorithm>

namespace zorvik {

namespace {

// One step from cell p in direction d, wrapping at the board edge.
int Step(int p, int d) {
    switch (d) {
    case kRight:
        return (p + 1) % kColumns == 0 ? p + 1 - kColumns : p + 1;
    case kLeft:
        return p % kColumns == 0 ? p - 1 + kColumns : p - 1;
    case kUp:
        return p < kColumns ? p - kColumns + kCells : p - kColumns;
    default:
        return p >= kCells - kColumns ? p + kColumns - kCells : p + kColumns;
    }
}

} // namespace

void SnakeGame::MoveSnakes() {
    Move(players_[0].snake);
    if (options_.twoPlayers) {
        Move(players_[1].snake);
    }
}

// The body follows the head: every segment takes the cell of the one ahead.
void SnakeGame::Move(Snake& snake) {
    const auto h = static_cast<std::size_t>(snake.headIndex);
    const int d = snake.directions.at(h);
    if (d < kRight || d > kDown) {
        return; // a head without a direction stays where it is
    }
    std::copy(snake.cells.begin() + 1, snake.cells.begin() + h + 1, snake.cells.begin());
    std::copy(snake.directions.begin() + 1, snake.directions.begin() + h + 1,
              snake.directions.begin());
    snake.cells[h] = Step(snake.cells[h], d);
}

// Snake 2 is drawn last, so a cell both snakes hold shows snake 2.
void SnakeGame::DrawSnakes() {
    const auto draw = [this](const Snake& snake, Picture picture) {
        for (int i = 0; i <= snake.headIndex; ++i) {
            cellPictures_.at(
                static_cast<std::size_t>(snake.cells.at(static_cast<std::size_t>(i)))) = picture;
        }
    };
    draw(players_[0].snake, options_.snake1);
    if (options_.twoPlayers) {
        draw(players_[1].snake, options_.snake2);
    }
}

} // namespace zorvik
