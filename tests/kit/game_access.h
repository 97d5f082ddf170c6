// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"

#include <algorithm>
#include <vector>

namespace zorvik::testkit {

// Sets up positions that play would take long to reach, and runs single
// steps of a tick, for tests and benchmarks only.
struct GameAccess {
    SnakeGame& game;

    Player& player(int number) { return game.players_.at(static_cast<std::size_t>(number - 1)); }
    int& level() { return game.level_; }
    std::array<Picture, kCells>& cellPictures() { return game.cellPictures_; }
    Picture food() const { return game.food_; }

    // Puts a snake on the cells (tail first), every segment heading `dir`.
    template <typename CellList> void Place(int number, const CellList& cells, int dir) {
        Snake& snake = player(number).snake;
        snake.cells.fill(-1);
        snake.directions.fill(-1);
        std::copy(cells.begin(), cells.end(), snake.cells.begin());
        std::fill_n(snake.directions.begin(), cells.size(), dir);
        snake.headIndex = static_cast<int>(cells.size()) - 1;
        game.DrawSnakes();
    }
    void PutFood(int cell) {
        game.foodCell_ = cell;
        game.cellPictures_.at(static_cast<std::size_t>(cell)) = game.food_;
    }

    void ReadKeys() { game.ReadKeys(); }
    void PlaceFood() { game.PlaceFood(); }
    void LayObstacles() { game.LayObstacles(); }
    void DrawSnakes() { game.DrawSnakes(); }
    void RepaintEmptyCells() { game.RepaintEmptyCells(); }
    void CheckCollisions() { game.CheckCollisions(); }
};

} // namespace zorvik::testkit
