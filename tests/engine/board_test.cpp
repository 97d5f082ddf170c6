// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <utility>

namespace zorvik::testkit {

// What the board holds besides the snakes: food, and the obstacles of each level.

// A meal makes the snake one segment longer: the head moves on while the tail waits a tick.
TEST(Food, MealGrowsTheSnakeByOneWhileTheTailWaitsOneTick) {
    TestGame g;
    g.PutFood(106);
    g.Tick();
    g.PutFood(799);
    for (int head : {107, 108}) {
        g.Tick();
        EXPECT_EQ(std::vector(&g.game.Snake1[0], &g.game.Snake1[7]), LineTo(head, kRight, 7));
        EXPECT_EQ(g.game.TableBlock.at(101) == g.game.Templates.SBlock, head == 107);
    }
    EXPECT_EQ(g.game.Snake1Head, 6);
}

// A faster game pays more per food; player 1 refills to full, player 2 gains 1000 up to full.
TEST(Food, MealScoresByTheSpeedAndRestoresPower) {
    // player, interval, power before, points, power after
    const std::array<int, 5> table[] = {{1, 250, 70, 100, 2370},  {1, 200, 2270, 300, 2370},
                                        {2, 150, 70, 500, 1070},  {2, 100, 1270, 700, 2270},
                                        {2, 75, 1370, 800, 2370}, {2, 50, 2270, 900, 2370},
                                        {1, 25, 2370, 1000, 2370}};
    for (const auto& [player, interval, before, points, after] : table) {
        SCOPED_TRACE(::testing::Message() << "player " << player << " at " << interval);
        TestGame g(true);
        g.window.interval = interval;
        g.P(player).power = static_cast<float>(before);
        g.PutFood(player == 1 ? 106 : 166);
        g.Tick();
        EXPECT_EQ(player == 1 ? g.game.Score1 : g.game.Score2, points);
        EXPECT_EQ(g.P(player).power, after);
    }
}

// Food never lands outside cells 100 to 799, on an obstacle or a snake, yet reaches both ends.
TEST(Food, FoodLandsOnlyOnFreeCellsOfItsRange) {
    std::array<int, 2> range{kCells, 0};
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        for (int level = 1; level <= 7; ++level) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " level " << level);
            TestGame g(true, true, level, seed);
            g.Place(1, LineTo(789, kDown, 24), kDown); // columns 9 and 18, rows 3 to 26
            g.Place(2, LineTo(798, kDown, 24), kDown);
            for (int i = 0; i < 40; ++i) {
                g.game.MakeFood();
                ASSERT_TRUE(FoodIsValid(g));
                range = {std::min(range[0], g.game.FoodCell), std::max(range[1], g.game.FoodCell)};
            }
        }
    }
    EXPECT_EQ(range, (std::array{100, 799}));
}

// Food placed before a new level's layout is laid must leave the cells that layout covers.
TEST(Food, FoodCoveredByANewLayoutIsPlacedAnew) {
    TestGame g(false, true, 2);
    g.game.Eaten1 = 25;
    g.window.onEndScreen = [&] { g.PutFood(184); }; // under a bar of level 3
    g.Tick();
    EXPECT_EQ(g.game.TableBlock.at(184), g.game.Templates.Obs);
    EXPECT_TRUE(FoodIsValid(g));
}

// Each level lays its own layout, any other level none, in the tile of the moment it is laid.
TEST(Obstacles, EachLevelLaysItsLayoutInTheTileOfThatMoment) {
    // Level, obstacle count, a cell that is an obstacle and one that stays free: the left
    // wall and the corner inside it; the end of a bar and the cell past it; the cup's top
    // beside its opening; the foot of a hanging column and the cell below; the zigzag's
    // lower corner and the cell past its upper end; the last column's foot and a bar's end.
    const std::array<int, 4> table[] = {{2, 116, 420, 31},  {3, 204, 235, 206}, {4, 190, 129, 130},
                                        {5, 172, 427, 457}, {6, 170, 732, 286}, {7, 284, 806, 218},
                                        {1, 0, 0, 0},       {0, 0, 0, 0},       {8, 0, 0, 0}};
    for (const auto& [level, count, obstacle, free] : table) {
        SCOPED_TRACE(level);
        TestGame g(false, true, level);
        EXPECT_EQ(ObstacleCount(g.game), count);
        EXPECT_EQ(g.game.Board.at(obstacle), count > 0 ? kObstacle : kFree);
        EXPECT_EQ(g.game.Board.at(free), kFree);
        const auto& shown = g.game.TableBlock;
        const Picture old = std::exchange(g.game.Templates.Obs, Picture{42});
        g.Tick();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), old), count);
        g.game.SetObstacles();
        EXPECT_EQ(std::count(shown.begin(), shown.end(), Picture{42}), count);
    }
}

} // namespace zorvik::testkit
