// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

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

void SnakeGame::MoveSnake() {
    Move(First());
    if (!OnePlayer) {
        Move(Second());
    }
}

void SnakeGame::Move(Player snake) {
    const int h = snake.head;
    const int d = snake.dir.at(h);
    if (d < kRight || d > kDown) {
        return; // a head without a direction stays where it is
    }
    for (int i = 0; i < h; ++i) {
        snake.snake.at(i) = snake.snake.at(i + 1);
        snake.dir.at(i) = snake.dir.at(i + 1);
    }
    snake.snake.at(h) = Step(snake.snake.at(h), d);
}

void SnakeGame::DrawSnake() {
    for (int i = 0; i <= Snake1Head; ++i) {
        TableBlock.at(Snake1.at(i)) = Templates.SBlock;
    }
    if (!OnePlayer) {
        for (int i = 0; i <= Snake2Head; ++i) {
            TableBlock.at(Snake2.at(i)) = Templates.IM2P;
        }
    }
}

} // namespace zorvik
