// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/keys.h"
#include "engine/snake_game.h"
#include "fake_window.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace zorvik::testkit {

// The neighbour of a cell on the wrapped board, by row and column rather than
// by the engine's cell arithmetic.
inline int Neighbour(int cell, int dir) {
    const int row = (cell / kColumns + (dir == kUp ? kRows - 1 : dir == kDown)) % kRows;
    return row * kColumns + (cell + (dir == kLeft ? kColumns - 1 : dir == kRight)) % kColumns;
}

// `length` cells in a line that ends at `head` heading `dir`, tail first.
inline std::vector<int> LineTo(int head, int dir, int length = 6) {
    std::vector<int> cells(static_cast<std::size_t>(length), head);
    for (int i = length - 2; i >= 0; --i) {
        cells[i] = Neighbour(cells[i + 1], dir % 2 == 1 ? dir + 1 : dir - 1);
    }
    return cells;
}

inline int ObstacleCount(const SnakeGame& game) {
    return static_cast<int>(std::count(game.Board.begin(), game.Board.end(), kObstacle));
}

// One player's part of the game state.
struct Side {
    SnakeGame::Cells& cells;
    SnakeGame::Cells& dirs;
    int& head;
    float& power;
    int HeadCell() const { return cells.at(head); }
    bool Covers(int cell) const { return std::count(&cells[0], &cells[head] + 1, cell) > 0; }
};

// A game started in a scripted window, every template a picture of its own.
struct TestGame {
    explicit TestGame(bool twoPlayers = false, bool campaign = false, int level = 1,
                      std::uint32_t seed = 1)
        : game(window, {{1}, {2}, {3}, {4}, {5}, {6}, {{{7}, {8}, {9}, {10}, {11}}}}, seed) {
        game.Form_Load();
        StartGame(twoPlayers, campaign, level);
    }

    const Side& P(int player) const { return player == 1 ? one : two; }
    // A new game, started the way the settings window starts one.
    void StartGame(bool twoPlayers, bool campaign = false, int level = 1) {
        game.OnePlayer = !twoPlayers;
        game.CampaignMode = campaign;
        game.Level = level;
        game.SetObstacles();
        game.Reset();
    }
    // Puts a snake on the cells (tail first), every segment heading `dir`.
    void Place(int player, const std::vector<int>& cells, int dir) {
        std::copy(cells.begin(), cells.end(), P(player).cells.begin());
        std::fill_n(P(player).dirs.begin(), cells.size(), dir);
        P(player).head = static_cast<int>(cells.size()) - 1;
        game.DrawSnake();
    }
    void PutFood(int cell) {
        game.FoodCell = cell;
        game.TableBlock.at(cell) = game.Templates.FBlock;
    }
    void Tick(int count = 1) {
        while (count-- > 0) {
            game.Tick();
        }
    }

    FakeWindow window;
    SnakeGame game;
    Side one{game.Snake1, game.Snake1Dir, game.Snake1Head, game.Power1};
    Side two{game.Snake2, game.Snake2Dir, game.Snake2Head, game.Power2};
};

// Food lies in cells 100 to 799, off the obstacles and every snake in play,
// and its cell shows the food.
inline ::testing::AssertionResult FoodIsValid(const TestGame& g) {
    const SnakeGame& s = g.game;
    if (s.FoodCell < 100 || s.FoodCell > 799 || s.Board.at(s.FoodCell) == kObstacle ||
        g.P(1).Covers(s.FoodCell) || (!s.OnePlayer && g.P(2).Covers(s.FoodCell)) ||
        s.TableBlock.at(s.FoodCell) != s.Templates.FBlock) {
        return ::testing::AssertionFailure() << "food at " << s.FoodCell;
    }
    return ::testing::AssertionSuccess();
}

} // namespace zorvik::testkit
