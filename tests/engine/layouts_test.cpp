// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <map>
#include <utility>

namespace zorvik::testkit {

namespace {

// A straight wall from one cell to another, given as (row, column) ends.
struct Wall {
    int fromRow, fromColumn, toRow, toColumn;
};

// Each level's walls as the rules describe them, besides the border that every one but
// level 1 has: rows and columns running from one cell to another.
const std::map<int, std::vector<Wall>> kWalls{
    {2, {}},
    {3, {{6, 4, 6, 25}, {7, 4, 7, 25}, {24, 4, 24, 25}, {25, 4, 25, 25}}},
    {4, {{4, 4, 4, 9}, {4, 20, 4, 25}, {4, 4, 25, 4}, {4, 25, 25, 25}, {25, 4, 25, 25}}},
    {5, {{0, 7, 14, 7}, {0, 22, 14, 22}, {15, 14, 29, 14}, {15, 15, 29, 15}}},
    {6, {{9, 0, 9, 15}, {9, 15, 22, 15}, {15, 12, 24, 12}, {24, 12, 24, 29}}},
    {7,
     {{3, 3, 26, 3},
      {3, 5, 26, 5},
      {3, 7, 26, 7},
      {3, 22, 26, 22},
      {3, 24, 26, 24},
      {3, 26, 26, 26},
      {7, 9, 7, 20},
      {23, 9, 23, 20}}},
};

ObstacleMap Drawn(int level) {
    ObstacleMap map{};
    std::vector<Wall> walls = kWalls.contains(level) ? kWalls.at(level) : std::vector<Wall>{};
    if (kWalls.contains(level)) {
        walls.insert(walls.end(), {{0, 0, 0, 29}, {29, 0, 29, 29}, {0, 0, 29, 0}, {0, 29, 29, 29}});
    }
    for (const Wall& w : walls) {
        for (int row = w.fromRow; row <= w.toRow; ++row) {
            for (int column = w.fromColumn; column <= w.toColumn; ++column) {
                map.at(row * kColumns + column) = kObstacle;
            }
        }
    }
    return map;
}

} // namespace

// Every level lays exactly its walls, cell for cell; level 1 and any level outside 2 to 7 leave
// the board open.
TEST(Layouts, EachLevelLaysExactlyItsWalls) {
    for (int level = 0; level <= 8; ++level) {
        SCOPED_TRACE(::testing::Message() << "level " << level);
        TestGame g(false, true);
        g.access.level() = level;
        g.access.LayObstacles();
        EXPECT_EQ(g.game.obstacles(), Drawn(level));
    }
}

// Walls are painted in the tile chosen when the layout is laid; a tile chosen later shows
// only when a layout is laid again, and walls that go keep their picture until the next
// repaint of the empty cells.
TEST(Layouts, WallsTakeTheTileOfTheMomentTheyAreLaid) {
    TestGame g(false, true, 3);
    const auto count = [&g](Picture tile) {
        return std::count(g.game.cellPictures().begin(), g.game.cellPictures().end(), tile);
    };
    GameOptions options = g.game.options();
    options.obstacle = Picture{42};
    g.game.StartGame(options);
    g.Tick();
    EXPECT_EQ(std::pair(count(kTile), count(Picture{42})), std::pair(204L, 0L));
    g.access.level() = 5;
    g.access.LayObstacles();
    EXPECT_EQ(count(Picture{42}), 172);
    g.Tick();
    EXPECT_EQ(count(kTile), 0);
}

} // namespace zorvik::testkit
