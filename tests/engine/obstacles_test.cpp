// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <algorithm>

namespace zorvik {
namespace {

using testkit::ObstacleCount;
using testkit::TestGame;

constexpr int Cell(int row, int column) {
    return row * kColumns + column;
}

// Every level has its number of obstacle cells, and laying a level paints
// exactly those cells with the obstacle picture.
TEST(Obstacles, EachLevelLaysItsObstacleCount) {
    const int counts[] = {0, 0, 116, 204, 190, 172, 170, 284};
    for (int level = 1; level <= 7; ++level) {
        SCOPED_TRACE(level);
        TestGame g;
        g.game.Level = level;
        g.game.SetObstacles();
        EXPECT_EQ(ObstacleCount(g.game.Board), counts[level]);
        for (int c = 0; c < kCells; ++c) {
            EXPECT_EQ(g.game.TableBlock.at(c) == g.game.Templates.Obs,
                      g.game.Board.at(c) == kObstacle)
                << c;
        }
    }
}

struct ShapeCell {
    int level;
    int cell;
    bool obstacle;
};

// The cells that tell the layouts apart: where each bar, column and wall
// starts and stops, and the gaps the players rely on.
TEST(Obstacles, LayoutsHaveTheirShapes) {
    const ShapeCell cells[] = {
        // the border of every layout
        {2, Cell(0, 0), true},
        {2, Cell(0, 29), true},
        {2, Cell(29, 0), true},
        {2, Cell(29, 29), true},
        {2, Cell(14, 0), true},
        {2, Cell(14, 29), true},
        {2, Cell(1, 1), false},
        {2, Cell(28, 28), false},
        // level 3: two double bars from column 4 to 25
        {3, Cell(6, 4), true},
        {3, Cell(7, 25), true},
        {3, Cell(24, 4), true},
        {3, Cell(25, 25), true},
        {3, Cell(6, 3), false},
        {3, Cell(6, 26), false},
        {3, Cell(5, 10), false},
        {3, Cell(8, 10), false},
        {3, Cell(23, 10), false},
        // level 4: a cup whose top is open from column 10 to 19
        {4, Cell(4, 4), true},
        {4, Cell(4, 9), true},
        {4, Cell(4, 10), false},
        {4, Cell(4, 19), false},
        {4, Cell(4, 20), true},
        {4, Cell(4, 25), true},
        {4, Cell(25, 4), true},
        {4, Cell(25, 25), true},
        {4, Cell(15, 4), true},
        {4, Cell(15, 25), true},
        {4, Cell(3, 4), false},
        {4, Cell(26, 25), false},
        {4, Cell(24, 5), false},
        // level 5: columns 7 and 22 hang down to row 14, columns 14 and 15 stand from row 15
        {5, Cell(1, 7), true},
        {5, Cell(14, 7), true},
        {5, Cell(15, 7), false},
        {5, Cell(14, 22), true},
        {5, Cell(15, 22), false},
        {5, Cell(15, 14), true},
        {5, Cell(28, 15), true},
        {5, Cell(14, 14), false},
        {5, Cell(14, 15), false},
        {5, Cell(20, 13), false},
        {5, Cell(20, 16), false},
        // level 6: a zigzag joining the left wall at row 9 and the right wall at row 24
        {6, Cell(9, 1), true},
        {6, Cell(9, 15), true},
        {6, Cell(9, 16), false},
        {6, Cell(22, 15), true},
        {6, Cell(23, 15), false},
        {6, Cell(15, 12), true},
        {6, Cell(14, 12), false},
        {6, Cell(24, 12), true},
        {6, Cell(24, 28), true},
        {6, Cell(24, 11), false},
        {6, Cell(8, 1), false},
        {6, Cell(25, 28), false},
        // level 7: six long columns from row 3 to 26 and two bars in rows 7 and 23
        {7, Cell(3, 3), true},
        {7, Cell(26, 3), true},
        {7, Cell(2, 3), false},
        {7, Cell(27, 3), false},
        {7, Cell(3, 5), true},
        {7, Cell(3, 7), true},
        {7, Cell(3, 22), true},
        {7, Cell(26, 24), true},
        {7, Cell(26, 26), true},
        {7, Cell(3, 4), false},
        {7, Cell(7, 9), true},
        {7, Cell(7, 20), true},
        {7, Cell(7, 8), false},
        {7, Cell(7, 21), false},
        {7, Cell(23, 9), true},
        {7, Cell(23, 20), true},
        {7, Cell(22, 9), false},
    };
    for (const ShapeCell& c : cells) {
        TestGame g;
        g.game.Level = c.level;
        g.game.SetObstacles();
        EXPECT_EQ(g.game.Board.at(c.cell) == kObstacle, c.obstacle)
            << "level " << c.level << " row " << c.cell / kColumns << " column "
            << c.cell % kColumns;
    }
}

// The snakes start on rows 3 and 5, columns 10 to 15, on every level.
TEST(Obstacles, NoLayoutCoversTheStartCells) {
    for (int level = 2; level <= 7; ++level) {
        TestGame g;
        g.game.Level = level;
        g.game.SetObstacles();
        for (int column = 10; column <= 15; ++column) {
            EXPECT_EQ(g.game.Board.at(Cell(3, column)), kFree) << level;
            EXPECT_EQ(g.game.Board.at(Cell(5, column)), kFree) << level;
        }
    }
}

// Only levels 2 to 7 have layouts; any other number empties the board and
// paints nothing.
TEST(Obstacles, LevelOutsideTwoToSevenGivesAnOpenBoard) {
    for (int level : {1, 0, -1, 8, 100, -32768, 32767}) {
        SCOPED_TRACE(level);
        TestGame g;
        g.game.Level = 7;
        g.game.SetObstacles();
        const auto pictures = g.game.TableBlock;
        g.game.Level = level;
        g.game.SetObstacles();
        EXPECT_EQ(ObstacleCount(g.game.Board), 0);
        EXPECT_EQ(g.game.TableBlock, pictures);
    }
}

// Laid obstacles keep the picture they were painted with: a new obstacle
// picture shows only when a layout is laid again, and an emptied board keeps
// its old pictures until the next tick repaints the free cells.
TEST(Obstacles, ObstaclePicturesChangeOnlyWhenLaidOrRepainted) {
    TestGame g;
    g.Campaign(2);
    const Picture old = g.game.Templates.Obs;
    const Picture fresh{42};
    g.game.Templates.Obs = fresh;
    g.Tick();
    EXPECT_EQ(g.game.TableBlock.at(0), old);
    g.game.SetObstacles();
    EXPECT_EQ(g.game.TableBlock.at(0), fresh);
    EXPECT_EQ(std::count(g.game.TableBlock.begin(), g.game.TableBlock.end(), fresh), 116);

    g.game.Level = 1;
    g.game.SetObstacles();
    EXPECT_EQ(g.game.TableBlock.at(0), fresh);
    g.Tick();
    EXPECT_EQ(std::count(g.game.TableBlock.begin(), g.game.TableBlock.end(), fresh), 0);
}

} // namespace
} // namespace zorvik
