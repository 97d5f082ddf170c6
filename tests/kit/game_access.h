// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/snake_game.h"
#include "tests/kit/wrapped_board.h"

#include <array>

namespace zorvik::testkit {

// A snake heading right whose head runs into its own tail in the second tick.
inline constexpr std::array kCurledSnake{314, 313, 312, 342, 341, 340, 310};

// Sets up positions that play would take long to reach, and runs single
// steps of a tick, for tests and benchmarks only.
struct GameAccess {
    SnakeGame& game;

    Player& player(int number) { return game.players_.at(static_cast<std::size_t>(number - 1)); }
    int& level() { return game.level_; }
    std::array<Picture, kCells>& cellPictures() { return game.cellPictures_; }

    // Puts a snake on the cells (tail first), each segment heading to the
    // next and the head heading `dir`.
    template <typename CellList> void Place(int number, const CellList& cells, int dir) {
        Snake& snake = player(number).snake;
        snake.cells.fill(-1);
        snake.directions.fill(-1);
        std::copy(cells.begin(), cells.end(), snake.cells.begin());
        snake.headIndex = static_cast<int>(cells.size()) - 1;
        for (int i = 0; i < snake.headIndex; ++i) {
            snake.directions.at(i) = DirectionTo(snake.cells.at(i), snake.cells.at(i + 1));
        }
        snake.directions.at(static_cast<std::size_t>(snake.headIndex)) = dir;
        game.DrawSnakes();
    }
    void PutFood(int cell) {
        game.foodCell_ = cell;
        game.cellPictures_.at(static_cast<std::size_t>(cell)) = game.food_;
    }
    // The player's next meal, one step ahead, is the last of the level or
    // of the classic game: its ending comes with the tick after.
    void OneMealFromTheEnd(int number) {
        Player& p = player(number);
        p.eaten = game.options().campaign ? 24 : 99;
        const auto head = static_cast<std::size_t>(p.snake.headIndex);
        PutFood(Neighbour(p.snake.cells.at(head), p.snake.directions.at(head)));
    }

    void ReadActions() { game.ReadActions(); }
    void PlaceFood() { game.PlaceFood(); }
    void LayObstacles() { game.LayObstacles(); }
    void DrawSnakes() { game.DrawSnakes(); }
    void RepaintEmptyCells() { game.RepaintEmptyCells(); }
    void CheckCollisions() { game.CheckCollisions(); }
};

} // namespace zorvik::testkit
