// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/keys.h"
#include "engine/snake_game.h"
#include "fake_window.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace zorvik::testkit {

// Every template a picture of its own, so a cell's picture tells what it shows.
inline CellPictures DistinctPictures() {
    return {{1}, {2}, {3}, {4}, {5}, {6}, {{{7}, {8}, {9}, {10}, {11}}}};
}

// The neighbour of a cell in a direction on the wrapped board, worked out by
// row and column rather than by cell arithmetic.
inline int Neighbour(int cell, int dir) {
    const int row = cell / kColumns;
    const int column = cell % kColumns;
    switch (dir) {
    case kRight:
        return row * kColumns + (column + 1) % kColumns;
    case kLeft:
        return row * kColumns + (column + kColumns - 1) % kColumns;
    case kUp:
        return (row + kRows - 1) % kRows * kColumns + column;
    default:
        return (row + 1) % kRows * kColumns + column;
    }
}

inline bool AreNeighbours(int a, int b) {
    for (int dir : {kRight, kLeft, kUp, kDown}) {
        if (Neighbour(a, dir) == b) {
            return true;
        }
    }
    return false;
}

// The direction that leads from a cell to its neighbour, 0 when they do not touch.
inline int DirectionTo(int from, int to) {
    for (int dir : {kRight, kLeft, kUp, kDown}) {
        if (Neighbour(from, dir) == to) {
            return dir;
        }
    }
    return 0;
}

// `length` cells from `tail` onwards in one direction, tail first.
inline std::vector<int> Line(int tail, int dir, int length) {
    std::vector<int> cells{tail};
    while (static_cast<int>(cells.size()) < length) {
        cells.push_back(Neighbour(cells.back(), dir));
    }
    return cells;
}

inline int Opposite(int dir) {
    switch (dir) {
    case kRight:
        return kLeft;
    case kLeft:
        return kRight;
    case kUp:
        return kDown;
    default:
        return kUp;
    }
}

// `length` cells in a line that ends at `head` coming from the `dir` side, tail first.
inline std::vector<int> LineTo(int head, int dir, int length) {
    int tail = head;
    for (int i = 1; i < length; ++i) {
        tail = Neighbour(tail, Opposite(dir));
    }
    return Line(tail, dir, length);
}

inline int ObstacleCount(const ObstacleMap& board) {
    return static_cast<int>(std::count(board.begin(), board.end(), kObstacle));
}

// The steering keys of each player, indexed by direction code (0 unused).
inline int SteeringKey(int player, int dir) {
    static constexpr std::array<int, 5> kPlayer1{0, vk::Right, vk::Left, vk::Up, vk::Down};
    static constexpr std::array<int, 5> kPlayer2{0, vk::D, vk::A, vk::W, vk::S};
    return player == 1 ? kPlayer1.at(dir) : kPlayer2.at(dir);
}

inline int BiteKey(int player) {
    return player == 1 ? vk::Control : vk::Tab;
}

// A started game in a scripted window, with helpers to set up a position.
class TestGame {
public:
    explicit TestGame(std::uint32_t seed = 1) : game(window, DistinctPictures(), seed) {
        game.Form_Load();
    }
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // Options changed the way the settings window changes them.
    void TwoPlayers() {
        game.OnePlayer = false;
        game.Reset();
    }
    void Campaign(int level) {
        game.CampaignMode = true;
        game.Level = level;
        game.SetObstacles();
        game.Reset();
    }

    SnakeGame::Cells& Cells(int player) { return player == 1 ? game.Snake1 : game.Snake2; }
    SnakeGame::Cells& Dirs(int player) { return player == 1 ? game.Snake1Dir : game.Snake2Dir; }
    int& Head(int player) { return player == 1 ? game.Snake1Head : game.Snake2Head; }
    int HeadCell(int player) { return Cells(player).at(Head(player)); }
    float& Power(int player) { return player == 1 ? game.Power1 : game.Power2; }
    int& Eaten(int player) { return player == 1 ? game.Eaten1 : game.Eaten2; }
    float& Score(int player) { return player == 1 ? game.Score1 : game.Score2; }

    // Puts a snake on the given cells (tail first), every segment heading `dir`.
    void PlaceSnake(int player, const std::vector<int>& cells, int dir) {
        Cells(player).fill(-1);
        Dirs(player).fill(-1);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            Cells(player).at(i) = cells[i];
            Dirs(player).at(i) = dir;
        }
        Head(player) = static_cast<int>(cells.size()) - 1;
        game.DrawSnake();
    }

    void PutFood(int cell) {
        game.FoodCell = cell;
        game.TableBlock.at(cell) = game.Templates.FBlock;
    }

    // Taps the key that turns the player's head towards a neighbouring cell,
    // unless the head already points there.
    void SteerTowards(int player, int cell) {
        const int dir = DirectionTo(HeadCell(player), cell);
        ASSERT_NE(dir, 0) << "cell " << cell << " is not next to the head";
        if (Dirs(player).at(Head(player)) != dir) {
            window.Tap(SteeringKey(player, dir));
        }
    }

    // Two-player position after one tick in which the biter's head has run onto
    // the other snake's body (the head is black at cell 380); the biter heads
    // right, the other snake down.
    void RunAcross(int biter) {
        PlaceSnake(3 - biter, Line(260, kDown, 6), kDown);
        PlaceSnake(biter, Line(374, kRight, 6), kRight);
        PutFood(799);
        Tick();
    }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            game.Tick();
        }
    }

    // Steers player 1 along a path of cells, with food waiting on each.
    void FeedAlong(const std::vector<int>& path) {
        for (int cell : path) {
            SteerTowards(1, cell);
            PutFood(cell);
            const int eaten = game.Eaten1;
            Tick();
            ASSERT_EQ(game.Eaten1, eaten + 1) << "no meal at cell " << cell;
        }
    }

    // A path of `length` cells from player 1's head that never reverses, stays
    // where food may lie, and keeps off obstacles, both snakes and itself: a
    // snake that eats on every cell of it survives. Depth first, straight on
    // before turning.
    std::vector<int> OpenPath(int length) {
        std::array<bool, kCells> taken{};
        for (int player : {1, 2}) {
            if (player == 1 || !game.OnePlayer) {
                for (int i = 0; i <= Head(player); ++i) {
                    taken.at(Cells(player).at(i)) = true;
                }
            }
        }
        std::vector<int> path;
        const std::function<bool(int, int)> extend = [&](int from, int dir) {
            if (static_cast<int>(path.size()) == length) {
                return true;
            }
            const bool vertical = dir > 2;
            const std::array<int, 3> order{dir, vertical ? kRight : kUp, vertical ? kLeft : kDown};
            for (int next : order) {
                const int cell = Neighbour(from, next);
                if (cell < 100 || cell > 799 || taken.at(cell) ||
                    game.Board.at(cell) == kObstacle) {
                    continue;
                }
                taken.at(cell) = true;
                path.push_back(cell);
                if (extend(cell, next)) {
                    return true;
                }
                path.pop_back();
                taken.at(cell) = false;
            }
            return false;
        };
        extend(HeadCell(1), game.Snake1Dir.at(game.Snake1Head));
        return path;
    }

    fakes::FakeWindow window;
    SnakeGame game;
};

} // namespace zorvik::testkit
