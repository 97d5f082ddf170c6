// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

#include <algorithm>

namespace zorvik::testkit {

// One step on the wrapped board, by row and column rather than by the
// engine's own cell arithmetic.
inline int Neighbour(int cell, int dir) {
    const int row = (cell / kColumns + (dir == kDown) - (dir == kUp) + kRows) % kRows;
    const int column = (cell % kColumns + (dir == kRight) - (dir == kLeft) + kColumns) % kColumns;
    return row * kColumns + column;
}

// The direction that leads from a cell to its neighbour `to`; 0 if none does.
inline int DirectionTo(int from, int to) {
    for (int dir = kRight; dir <= kDown; ++dir) {
        if (Neighbour(from, dir) == to) {
            return dir;
        }
    }
    return 0;
}

inline bool Covers(const Snake& snake, int cell) {
    const auto end = snake.cells.begin() + snake.headIndex + 1;
    return std::find(snake.cells.begin(), end, cell) != end;
}

// Player 2's snake is in play only in a two-player game.
inline bool InPlay(const SnakeGame& game, int number) {
    return number == 1 || game.options().twoPlayers;
}

// Food lies in cells 100 to 799, off the walls and every snake in play, and
// its cell shows one of the foods.
inline bool FoodIsValid(const SnakeGame& game) {
    const int food = game.foodCell();
    const auto& foods = game.boardPictures().foods;
    const Picture shown = game.cellPictures().at(static_cast<std::size_t>(food));
    return food >= 100 && food <= 799 &&
           game.obstacles().at(static_cast<std::size_t>(food)) == kFree &&
           !(Covers(game.player(1).snake, food)) &&
           !(InPlay(game, 2) && Covers(game.player(2).snake, food)) &&
           std::find(foods.begin(), foods.end(), shown) != foods.end();
}

} // namespace zorvik::testkit
