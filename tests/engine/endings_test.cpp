// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <map>

namespace zorvik::testkit {

// Each ending shows its screen with the timer stopped and leaves a fresh game on its level.
TEST(Endings, EachEndingShowsItsScreenAndLeavesAFreshGame) {
    using enum EndPicture;
    using namespace vk;
    const std::string tag = "<b>Zo\xc3\xab</b> & \"%s\"";
    const std::string lng(300, 'n');
    // A campaign climbs a level per 25 food up to level 7, where the 25th ends it; the fresh
    // game's layout is laid only when the screen goes; the rest of the tick runs on the fresh
    // game; names are whatever the players typed, carried verbatim.
    // Each row: a new game in which player meal[0] (if any) has eaten meal[1] and eats in the
    // first tick; keys are tapped at given ticks, and the last tick ends the game.
    struct Play {
        const char* name;
        int players;
        int level; // 0 for a classic game
        std::array<int, 2> meal;
        int ticks;
        std::map<int, int> taps{};
        std::set<int> held{};
        bool collide = false;
    };
    struct End {
        EndScreenContent screen;
        std::array<int, 5> after; // level, obstacles while shown and after, heads after the tick
    };
    const std::pair<Play, End> table[] = {
        {{"level 4", 2, 3, {2, 24}, 2}, {{LevelProceed, 4, {}}, {4, 204, 190, 106, 166}}},
        {{"level 7", 1, 6, {1, 24}, 2}, {{LevelProceed, 7, {}}, {7, 170, 284, 106}}},
        {{"campaign over", 1, 7, {1, 24}, 2}, {{CampaignOver, {}, {}}, {1, 0, 0, 106}}},
        {{"classic over", 1, 0, {1, 99}, 2}, {{ClassicOver, {}, {}}, {1, 0, 0, 106}}},
        {{"crash into an obstacle", 1, 5, {}, 7}, {{GameOver, {}, {}}, {1, 172, 0, 105}}},
        {{"crash into its own body", 2, 0, {}, 3, {{0, Down}, {1, Left}, {2, Up}}},
         {{GameOver, {}, EndMessage{lng, " Won", {}}}, {1, 0, 0, 105, 165}}},
        {{"collision", 2, 0, {}, 2, {{0, W}}, {}, true},
         {{GameOver, {}, EndMessage{lng, " Collided with ", tag}}, {1, 0, 0, 105, 165}}},
        // Player 1 turns onto snake 2 and rides along it: the turn beats the
        // bite, 23 bites leave 70 power, the 24th kills, and player 2's keys are
        // still read on the fresh game.
        {{"bitten to death", 2, 0, {}, 27, {{0, Down}, {2, Right}, {26, S}}, {Control}},
         {{GameOver, {}, EndMessage{lng, " was bitten to death", {}}}, {1, 0, 0, 106, 195}}},
    };
    for (const auto& [play, end] : table) {
        SCOPED_TRACE(play.name);
        TestGame g(play.players == 2, play.level > 0, std::max(play.level, 1));
        g.window.collide = play.collide;
        g.window.held = play.held;
        g.window.name1 = tag;
        g.window.name2 = lng;
        (play.meal[0] == 1 ? g.game.Eaten1 : g.game.Eaten2) = play.meal[1];
        g.PutFood(play.meal[0] > 0 ? g.P(play.meal[0]).HeadCell() + 1 : 799);
        std::array<int, 3> seen{}; // timer, level and obstacles while the screen is shown
        g.window.onEndScreen = [&] {
            seen = {g.window.timerOn, g.game.Level, ObstacleCount(g.game)};
        };
        for (int tick = 0; tick < play.ticks; ++tick) {
            ASSERT_TRUE(g.window.shown.empty()) << "ended before tick " << tick;
            g.window.taps.insert(play.taps.count(tick) > 0 ? play.taps.at(tick) : 0); // 0: no key
            g.Tick();
        }
        ASSERT_EQ(g.window.shown, std::vector{end.screen});
        EXPECT_EQ(seen, (std::array{0, end.after[0], end.after[1]}));
        const int head2 = play.players == 2 ? g.P(2).HeadCell() : 0;
        EXPECT_EQ((std::array{g.game.Level, ObstacleCount(g.game), g.P(1).HeadCell(), head2,
                              g.game.Eaten1 + g.game.Eaten2, g.game.Snake1Head}),
                  (std::array{end.after[0], end.after[2], end.after[3], end.after[4], 0, 5}));
        // The timer runs again on a fresh game: no score, full power, nothing
        // eaten, six segments.
        EXPECT_TRUE(g.window.timerOn);
        EXPECT_EQ((std::array{g.game.Score1, g.game.Score2, g.game.Power1, g.game.Power2}),
                  (std::array<float, 4>{0, 0, kFullPower, kFullPower}));
    }
}

} // namespace zorvik::testkit
