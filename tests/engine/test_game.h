// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "tests/kit/game_access.h"
#include "tests/kit/player_keys.h"
#include "tests/kit/scripted_window.h"

#include <gtest/gtest.h>
#include <string>

namespace zorvik::testkit {

// `length` cells in a line that ends at `head` heading `dir`, tail first.
inline std::vector<int> LineTo(int head, int dir, int length = 6) {
    std::vector<int> cells(static_cast<std::size_t>(length), head);
    for (int i = length - 2; i >= 0; --i) {
        cells[i] = Neighbour(cells[i + 1], dir % 2 == 1 ? dir + 1 : dir - 1);
    }
    return cells;
}

inline int ObstacleCount(const SnakeGame& game) {
    return static_cast<int>(
        std::count(game.obstacles().begin(), game.obstacles().end(), kObstacle));
}

// Every picture a picture of its own, so that a cell tells what painted it.
inline const BoardPictures kBoardPictures{{1}, {4}, {{{7}, {8}, {9}, {10}, {11}}}};
inline constexpr Picture kSnake1{2};
inline constexpr Picture kSnake2{3};
inline constexpr Picture kTile{5};

inline GameOptions Options(bool twoPlayers = false, bool campaign = false) {
    return {.twoPlayers = twoPlayers,
            .campaign = campaign,
            .snake1 = kSnake1,
            .snake2 = kSnake2,
            .obstacle = kTile};
}

// A game started in a scripted window as the program starts one, then set to
// the given players, game type and level as the settings window sets them.
struct TestGame {
    explicit TestGame(bool twoPlayers = false, bool campaign = false, int level = 1,
                      std::uint32_t seed = 1)
        : game(window, kBoardPictures, seed) {
        game.Start(Options());
        game.StartGameOnLevel(Options(twoPlayers, campaign), level);
    }

    Player& P(int number) { return access.player(number); }
    const Snake& S(int number) const { return game.player(number).snake; }
    Picture Shown(int cell) const { return game.cellPictures().at(static_cast<std::size_t>(cell)); }
    void Tick(int count = 1) {
        while (count-- > 0) {
            game.Tick();
        }
    }

    ScriptedWindow window;
    SnakeGame game;
    GameAccess access{game};
};

} // namespace zorvik::testkit
