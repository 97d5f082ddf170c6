// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <algorithm>

namespace zorvik {
namespace {

using testkit::LineTo;
using testkit::TestGame;

struct WrapCase {
    int from;
    int dir;
    int to;
};

// The board has no edge: a head leaving one side enters the opposite side of
// the same row or column, for either snake.
TEST(Movement, HeadWrapsAtEveryEdge) {
    const WrapCase cases[] = {
        {29, kRight, 0},  {59, kRight, 30},  {899, kRight, 870}, {0, kLeft, 29},
        {30, kLeft, 59},  {870, kLeft, 899}, {5, kUp, 875},      {0, kUp, 870},
        {880, kDown, 10}, {899, kDown, 29},  {58, kRight, 59},   {31, kLeft, 30},
    };
    for (const WrapCase& c : cases) {
        for (int player : {1, 2}) {
            SCOPED_TRACE(::testing::Message() << "player " << player << " from " << c.from);
            TestGame g;
            g.TwoPlayers();
            g.PlaceSnake(player, LineTo(c.from, c.dir, 6), c.dir);
            g.Tick();
            EXPECT_EQ(g.HeadCell(player), c.to);
            EXPECT_EQ(g.game.TableBlock.at(c.to),
                      player == 1 ? g.game.Templates.SBlock : g.game.Templates.IM2P);
        }
    }
}

// The body follows the path of the head, and the cell the tail leaves goes
// back to the empty picture.
TEST(Movement, BodyFollowsTheHeadAndTheLeftCellIsRepaintedEmpty) {
    TestGame g;
    g.window.Tap(vk::Up);
    g.Tick(2);
    const std::vector<int> expected{102, 103, 104, 105, 75, 45};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), g.game.Snake1.begin()));
    EXPECT_EQ(g.game.Snake1Head, 5);
    EXPECT_EQ(g.game.TableBlock.at(100), g.game.Templates.BBlock);
    EXPECT_EQ(g.game.TableBlock.at(101), g.game.Templates.BBlock);
}

// A one-player game that follows a two-player game must leave the old second
// snake where it was and off the screen.
TEST(Movement, OnePlayerGameNeitherMovesNorDrawsTheOldSecondSnake) {
    TestGame g;
    g.TwoPlayers();
    g.Tick(3);
    g.game.OnePlayer = true;
    g.game.Reset();
    const SnakeGame::Cells before = g.game.Snake2;
    g.window.Tap(vk::S);
    g.Tick(3);
    EXPECT_EQ(g.game.Snake2, before);
    EXPECT_EQ(std::count(g.game.TableBlock.begin(), g.game.TableBlock.end(), g.game.Templates.IM2P),
              0);
}

// Snake 2 is drawn last, so a cell both snakes occupy shows snake 2.
TEST(Movement, CellOfBothSnakesShowsTheSecondSnake) {
    TestGame g;
    g.TwoPlayers();
    g.PlaceSnake(1, LineTo(305, kRight, 6), kRight);
    g.PlaceSnake(2, LineTo(308, kRight, 6), kRight);
    g.Tick();
    for (int shared : {304, 305}) {
        EXPECT_EQ(g.game.TableBlock.at(shared), g.game.Templates.IM2P) << shared;
    }
}

} // namespace
} // namespace zorvik
