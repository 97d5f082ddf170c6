// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <algorithm>
#include <vector>

namespace zorvik {
namespace {

using testkit::LineTo;
using testkit::TestGame;

// Two snakes of 106 segments in the free cells of level 7: snake 1 winds
// through rows 8 to 15, snake 2 runs round the top-left corner.
std::vector<int> LongSnake1() {
    std::vector<int> cells;
    for (int row = 8; cells.size() < 106; ++row) {
        for (int i = 0; i < 14 && cells.size() < 106; ++i) {
            cells.push_back(row * kColumns + (row % 2 == 0 ? 8 + i : 21 - i));
        }
    }
    return cells;
}

std::vector<int> LongSnake2() {
    std::vector<int> cells;
    for (int row = 28; row >= 1; --row) {
        cells.push_back(row * kColumns + 1);
    }
    for (int column = 2; column <= 28; ++column) {
        cells.push_back(kColumns + column);
    }
    for (int column = 28; column >= 3; --column) {
        cells.push_back(2 * kColumns + column);
    }
    for (int row = 2; row <= 26; ++row) {
        cells.push_back(row * kColumns + 2);
    }
    return cells;
}

::testing::AssertionResult FoodOnAFreeCell(TestGame& g) {
    const SnakeGame& game = g.game;
    const int food = game.FoodCell;
    if (food < 100 || food > 799) {
        return ::testing::AssertionFailure() << "food at " << food;
    }
    if (game.Board.at(food) == kObstacle) {
        return ::testing::AssertionFailure() << "food on the obstacle at " << food;
    }
    for (int player : {1, 2}) {
        if (player == 2 && game.OnePlayer) {
            continue;
        }
        const auto& cells = g.Cells(player);
        if (std::find(cells.begin(), cells.begin() + g.Head(player) + 1, food) !=
            cells.begin() + g.Head(player) + 1) {
            return ::testing::AssertionFailure() << "food under snake " << player << " at " << food;
        }
    }
    const auto& foods = game.Templates.FPIC;
    if (game.TableBlock.at(food) != game.Templates.FBlock ||
        std::find(foods.begin(), foods.end(), game.Templates.FBlock) == foods.end()) {
        return ::testing::AssertionFailure() << "no food picture at " << food;
    }
    return ::testing::AssertionSuccess();
}

// A meal makes the snake one segment longer: the head moves on while the old
// tail stays on its cell for one tick.
TEST(Food, MealGrowsTheSnakeByOneWhileTheTailWaitsOneTick) {
    TestGame g;
    g.PutFood(106);
    g.Tick();
    EXPECT_EQ(g.game.Snake1Head, 6);
    EXPECT_EQ(g.game.Snake1.at(0), 106); // the tail end names the head's cell until the next move
    EXPECT_EQ(g.game.Eaten1, 1);
    EXPECT_NE(g.game.FoodCell, 106);
    g.PutFood(799);
    g.Tick();
    const std::vector<int> grown{101, 102, 103, 104, 105, 106, 107};
    EXPECT_TRUE(std::equal(grown.begin(), grown.end(), g.game.Snake1.begin()));
    EXPECT_EQ(g.game.TableBlock.at(101), g.game.Templates.SBlock);
    g.Tick();
    EXPECT_EQ(g.game.Snake1.at(0), 102);
    EXPECT_EQ(g.HeadCell(1), 108);
}

struct Points {
    int interval;
    float points;
};

// A faster game pays more per food, by the interval at the moment of eating.
TEST(Food, PointsPerFoodFollowTheSpeed) {
    const Points table[] = {{250, 100}, {200, 300}, {150, 500}, {100, 700},
                            {75, 800},  {50, 900},  {25, 1000}};
    for (const Points& row : table) {
        SCOPED_TRACE(row.interval);
        TestGame g;
        g.TwoPlayers();
        g.window.interval = row.interval;
        g.PutFood(106);
        g.Tick();
        g.PutFood(167);
        g.Tick();
        EXPECT_EQ(g.game.Score1, row.points);
        EXPECT_EQ(g.game.Score2, row.points);
        g.window.interval = 250;
        g.PutFood(108);
        g.Tick();
        EXPECT_EQ(g.game.Score1, row.points + 100);
    }
}

struct Refill {
    int player;
    float before;
    float after;
};

// Eating gives player 1 full power and player 2 a thousand, never beyond full.
TEST(Food, MealRestoresPower) {
    const Refill table[] = {{1, 470, 2370},  {1, 70, 2370},  {1, 2270, 2370}, {1, 2370, 2370},
                            {2, 470, 1470},  {2, 70, 1070},  {2, 1370, 2370}, {2, 1870, 2370},
                            {2, 2270, 2370}, {2, 2370, 2370}};
    for (const Refill& row : table) {
        SCOPED_TRACE(::testing::Message() << "player " << row.player << " at " << row.before);
        TestGame g;
        g.TwoPlayers();
        g.Power(row.player) = row.before;
        g.PutFood(row.player == 1 ? 106 : 166);
        g.Tick();
        EXPECT_EQ(g.Eaten(row.player), 1);
        EXPECT_EQ(g.Power(row.player), row.after);
    }
}

// When both heads reach the food together, player 1 eats and player 2 is
// tested against the food placed after that meal.
TEST(Food, SecondPlayerIsTestedAgainstTheFoodPlacedAfterTheFirstMeal) {
    TestGame g;
    g.TwoPlayers();
    g.PlaceSnake(1, LineTo(309, kRight, 6), kRight);
    g.PlaceSnake(2, LineTo(311, kLeft, 6), kLeft);
    g.PutFood(310);
    g.Tick();
    EXPECT_EQ(g.game.Eaten1, 1);
    EXPECT_EQ(g.game.Eaten2, 0);
    EXPECT_EQ(g.game.Snake2Head, 5);
    EXPECT_TRUE(FoodOnAFreeCell(g));
}

// Food never lands outside cells 100 to 799, on an obstacle or under a snake
// in play, on any level and with snakes at their longest; and it does reach
// both ends of its range.
TEST(Food, FoodLandsOnFreeCellsOfItsRange) {
    int lowest = kCells;
    int highest = -1;
    const auto place = [&](TestGame& g, int times) {
        for (int i = 0; i < times; ++i) {
            g.game.MakeFood();
            ASSERT_TRUE(FoodOnAFreeCell(g));
            lowest = std::min(lowest, g.game.FoodCell);
            highest = std::max(highest, g.game.FoodCell);
        }
    };
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
        for (int level = 1; level <= 7; ++level) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " level " << level);
            TestGame g(seed);
            g.TwoPlayers();
            g.Campaign(level);
            ASSERT_TRUE(FoodOnAFreeCell(g));
            ASSERT_NO_FATAL_FAILURE(place(g, 40));
        }
        SCOPED_TRACE(::testing::Message() << "seed " << seed << " long snakes");
        TestGame g(seed);
        g.TwoPlayers();
        g.Campaign(7);
        g.PlaceSnake(1, LongSnake1(), kLeft);
        g.PlaceSnake(2, LongSnake2(), kDown);
        ASSERT_EQ(g.game.Snake1Head, 105);
        ASSERT_EQ(g.game.Snake2Head, 105);
        ASSERT_NO_FATAL_FAILURE(place(g, 200));
    }
    EXPECT_EQ(lowest, 100);
    EXPECT_EQ(highest, 799);
}

// The food of a new level is placed before the level's layout is laid; where
// the layout covers it, the food must move to a free cell.
TEST(Food, FoodCoveredByANewLayoutIsPlacedAnew) {
    int covered = 0;
    for (std::uint32_t seed = 0; seed < 400 && covered < 3; ++seed) {
        SCOPED_TRACE(seed);
        TestGame g(seed);
        g.Campaign(2);
        g.game.Eaten1 = 25;
        int foodBeforeLayout = -1;
        g.window.onEndScreen = [&] { foodBeforeLayout = g.game.FoodCell; };
        g.Tick();
        ASSERT_EQ(g.game.Level, 3);
        if (g.game.Board.at(foodBeforeLayout) == kObstacle) {
            ++covered;
            EXPECT_EQ(g.game.TableBlock.at(foodBeforeLayout), g.game.Templates.Obs);
        }
        EXPECT_TRUE(FoodOnAFreeCell(g));
    }
    EXPECT_GT(covered, 0);
}

} // namespace
} // namespace zorvik
