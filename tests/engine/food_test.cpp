// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

namespace zorvik::testkit {

// The seven speeds tick every 250 down to 25 ms, and a faster game pays more per food; player 1
// refills to the full 2370, player 2 gains 1000 up to full.
TEST(Food, MealScoresByTheSpeedAndRestoresPower) {
    // player, speed step, its tick in ms, power before, points, power after
    const std::array<int, 6> table[] = {{1, 0, 250, 70, 100, 2370},  {1, 1, 200, 2270, 300, 2370},
                                        {2, 2, 150, 70, 500, 1070},  {2, 3, 100, 1270, 700, 2270},
                                        {2, 4, 75, 1370, 800, 2370}, {2, 5, 50, 2270, 900, 2370},
                                        {1, 6, 25, 2370, 1000, 2370}};
    for (const auto& [player, step, interval, before, points, after] : table) {
        SCOPED_TRACE(::testing::Message() << "player " << player << " at speed " << step);
        TestGame g(true);
        g.game.SetSpeedStep(step);
        EXPECT_EQ(g.window.interval, interval);
        g.P(player).power = static_cast<float>(before);
        g.access.PutFood(player == 1 ? 106 : 166);
        g.Tick();
        EXPECT_EQ(g.game.player(player).score, points);
        EXPECT_EQ(g.game.player(player).power, after);
    }
}

// Food never lands outside cells 100 to 799, on an obstacle or a snake, yet reaches both ends;
// the snakes leave cells 99 and 800 free, so that a range one cell too wide would show.
TEST(Food, FoodLandsOnlyOnFreeCellsOfItsRange) {
    std::array<int, 2> range{kCells, 0};
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        for (int level = 1; level <= 7; ++level) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " level " << level);
            TestGame g(true, true, level, seed);
            g.access.Place(1, LineTo(788, kDown, 24), kDown); // columns 8 and 18, rows 3 to 26
            g.access.Place(2, LineTo(798, kDown, 24), kDown);
            for (int i = 0; i < 40; ++i) {
                g.access.PlaceFood();
                ASSERT_TRUE(FoodIsValid(g.game)) << "food at " << g.game.foodCell();
                range = {std::min(range[0], g.game.foodCell()),
                         std::max(range[1], g.game.foodCell())};
            }
        }
    }
    EXPECT_EQ(range, (std::array{100, 799}));
}

} // namespace zorvik::testkit
