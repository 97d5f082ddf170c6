// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <map>

namespace zorvik::testkit {

namespace {

// One way a game ends: a new game of `players` on `level` (0 for a classic game) in which
// player `eater` (if any) eats the last food of the level or game in the first tick; keys are
// tapped at the given ticks and the last of `ticks` ends the game. `after` holds the level
// and the count of walls while the screen is up, then once it is gone, then both head cells;
// `heard` is what the tick has done by the time the screen is up.
struct Ending {
    const char* name;
    int players, level, eater, ticks;
    std::map<int, PlayerControl> taps;
    bool biting; // player 1 holds Ctrl and player 2 has 170 power
    bool collide;
    EndScreenContent screen;
    std::array<int, 6> after;
    TickEvent heard;
};

using enum EndPicture;
using namespace keys;

// A campaign climbs a level per 25 food, and the new layout is laid only when the screen goes;
// the 25th food of level 7 empties the board at once. The keys are read first in a tick: a turn
// in the tick that ends a level steers the old snake, and the new one sets off as it starts.
// Every game over sends a campaign back to level 1 and the rest of the tick runs on the fresh
// game. In the bite, player 1 turns onto snake 2 and rides along it: the turn beats the bite, a
// bite at 170 leaves 70, the next kills, and player 2's keys are still read on the fresh game.
// clang-format off
const Ending kEndings[] = {
    {"NextLevel", 2, 3, 2, 2, {{1, Down}}, false, false, {NextLevel, 4, {}}, {4, 204, 4, 190, 106, 166}, TickEvent::NextLevel},
    {"LastLevelReached", 1, 6, 1, 2, {}, false, false, {NextLevel, 7, {}}, {7, 170, 7, 284, 106, 0}, TickEvent::NextLevel},
    {"CampaignWon", 1, 7, 1, 2, {}, false, false, {CampaignWon, {}, {}}, {1, 0, 1, 0, 106, 0}, TickEvent::CampaignWon},
    {"ClassicWon", 1, 0, 1, 2, {}, false, false, {ClassicWon, {}, {}}, {1, 0, 1, 0, 106, 0}, TickEvent::ClassicWon},
    {"CrashIntoAnObstacle", 1, 5, 0, 7, {}, false, false, {GameOver, {}, {}}, {1, 172, 1, 0, 105, 0}, TickEvent::GameOver},
    {"CrashIntoItsOwnBody", 2, 6, 0, 3, {{0, Down}, {1, Left}, {2, Up}}, false, false,
     {GameOver, {}, EndMessage{Outcome::Won, 2}}, {1, 170, 1, 0, 105, 165}, TickEvent::GameOver},
    {"Collision", 2, 6, 0, 2, {{0, W}}, false, true,
     {GameOver, {}, EndMessage{Outcome::Collided, 2, 1}}, {1, 170, 1, 0, 105, 165}, TickEvent::GameOver},
    {"BittenToDeath", 2, 6, 0, 5, {{0, Down}, {2, Right}, {4, S}}, true, false,
     {GameOver, {}, EndMessage{Outcome::BittenToDeath, 2}}, {1, 170, 1, 0, 106, 195}, TickEvent::GameOver},
};
// clang-format on

class Endings : public ::testing::TestWithParam<Ending> {};

} // namespace

// Each ending stops the timer, shows its screen on a fresh game of the level it leads to, and
// once the screen is gone lays that level and runs again, the snakes back on their start cells.
// Food placed while the screen is up must leave the cells that the level's walls then cover.
// That the game is fresh, the fuzzer checks at every end screen.
TEST_P(Endings, ShowsItsScreenAndLeavesAFreshGame) {
    const Ending& e = GetParam();
    TestGame g(e.players == 2, e.level > 0, std::max(e.level, 1));
    g.game.SetSnakesCollide(e.collide);
    if (e.biting) {
        g.window.held = {Control};
        g.P(2).power = 170;
    }
    g.access.PutFood(799);
    if (e.eater > 0) {
        g.access.OneMealFromTheEnd(e.eater);
    }
    std::array<int, 3> seen{}; // timer, level and walls while the screen is shown
    TickEvents heard;
    g.window.onEndScreen = [&] {
        seen = {g.window.timerOn, g.game.level(), ObstacleCount(g.game)};
        heard = g.game.tickEvents();
        g.access.PutFood(184); // where a bar of level 4 lies
    };
    for (int tick = 0; tick < e.ticks; ++tick) {
        ASSERT_TRUE(g.window.shown.empty()) << "ended before tick " << tick;
        if (e.taps.contains(tick)) {
            g.window.taps.insert(e.taps.at(tick));
        }
        g.Tick();
    }
    ASSERT_EQ(g.window.shown, std::vector{e.screen});
    const Player& one = g.game.player(1);
    const Player& two = g.game.player(2);
    EXPECT_EQ(
        (std::array{seen[0], seen[1], seen[2], g.game.level(), ObstacleCount(g.game),
                    one.snake.HeadCell(), e.players == 2 ? two.snake.HeadCell() : 0}),
        (std::array{0, e.after[0], e.after[1], e.after[2], e.after[3], e.after[4], e.after[5]}))
        << "timer and level and walls while shown, level and walls after, heads";
    EXPECT_TRUE(g.window.timerOn);
    EXPECT_TRUE(FoodIsValid(g.game)) << "food at " << g.game.foodCell();
    TickEvents ending;
    ending.Add(e.heard);
    EXPECT_TRUE(heard == ending) << "the tick's events while the screen is up";
}

INSTANTIATE_TEST_SUITE_P(EveryEnding, Endings, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

// A campaign level ends when either player's own count reaches 25, never on the two counts
// together, and a classic game only at 100.
TEST(Endings, EachPlayerCountsTheirOwnFood) {
    // campaign, player 1's count, player 2's count, whether the tick ends the level or game
    const std::tuple<bool, int, int, bool> table[] = {{true, 13, 12, false},
                                                      {true, 0, 25, true},
                                                      {true, 24, 24, false},
                                                      {false, 60, 40, false},
                                                      {false, 0, 100, true}};
    for (const auto& [campaign, eaten1, eaten2, ends] : table) {
        SCOPED_TRACE(::testing::Message() << eaten1 << " and " << eaten2);
        TestGame g(true, campaign, 2);
        g.access.PutFood(799);
        g.P(1).eaten = eaten1;
        g.P(2).eaten = eaten2;
        g.Tick();
        EXPECT_EQ(g.window.shown.size(), ends ? 1u : 0u);
    }
}

} // namespace zorvik::testkit
