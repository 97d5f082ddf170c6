// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <map>
#include <ostream>

namespace zorvik::testkit {

namespace {

// Names are whatever the players typed, carried verbatim.
const std::string kMarkup = "<b>Zo\xc3\xab</b> & \"%s\"";
const std::string kLong(300, 'n');

// One way a game ends. It starts as a new game in which player `meal[0]` (if
// any) has eaten `meal[1]` and eats in the first tick; keys are tapped at the
// given ticks, and the last tick ends the game.
struct Ending {
    const char* name;
    int players;
    int level; // 0 for a classic game
    std::array<int, 2> meal;
    int ticks;
    std::map<int, int> taps{};
    std::set<int> held{};
    bool collide = false;
    float player2Power = kFullPower;

    EndScreenContent screen;
    std::array<int, 2> whileShown; // level, obstacles
    std::array<int, 2> after;      // level, obstacles once the screen is gone
    std::array<int, 2> heads;      // head cells once the tick is over
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

using enum EndPicture;
using namespace vk;

const Ending kEndings[] = {
    // A campaign climbs a level per 25 food; the new layout is laid only when the screen goes.
    {"NextLevel",
     2,
     3,
     {2, 24},
     2,
     {},
     {},
     false,
     kFullPower,
     {NextLevel, 4, {}},
     {4, 204},
     {4, 190},
     {106, 166}},
    {"LastLevelReached",
     1,
     6,
     {1, 24},
     2,
     {},
     {},
     false,
     kFullPower,
     {NextLevel, 7, {}},
     {7, 170},
     {7, 284},
     {106, 0}},
    // The 25th food of level 7 wins the campaign and empties the board at once.
    {"CampaignWon",
     1,
     7,
     {1, 24},
     2,
     {},
     {},
     false,
     kFullPower,
     {CampaignWon, {}, {}},
     {1, 0},
     {1, 0},
     {106, 0}},
    {"ClassicWon",
     1,
     0,
     {1, 99},
     2,
     {},
     {},
     false,
     kFullPower,
     {ClassicWon, {}, {}},
     {1, 0},
     {1, 0},
     {106, 0}},
    // Every game over sends a campaign back to level 1, and the rest of the tick
    // runs on the fresh game.
    {"CrashIntoAnObstacle",
     1,
     5,
     {},
     7,
     {},
     {},
     false,
     kFullPower,
     {GameOver, {}, {}},
     {1, 172},
     {1, 0},
     {105, 0}},
    {"CrashIntoItsOwnBody",
     2,
     6,
     {},
     3,
     {{0, Down}, {1, Left}, {2, Up}},
     {},
     false,
     kFullPower,
     {GameOver, {}, EndMessage{kLong, " Won", {}}},
     {1, 170},
     {1, 0},
     {105, 165}},
    {"Collision",
     2,
     6,
     {},
     2,
     {{0, W}},
     {},
     true,
     kFullPower,
     {GameOver, {}, EndMessage{kLong, " Collided with ", kMarkup}},
     {1, 170},
     {1, 0},
     {105, 165}},
    // Player 1 turns onto snake 2 and rides along it, biting: the turn beats the bite, a bite
    // at 170 leaves 70, the next kills, and player 2's keys are still read on the fresh game.
    {"BittenToDeath",
     2,
     6,
     {},
     5,
     {{0, Down}, {2, Right}, {4, S}},
     {Control},
     false,
     170,
     {GameOver, {}, EndMessage{kLong, " was bitten to death", {}}},
     {1, 170},
     {1, 0},
     {106, 195}},
};

class Endings : public ::testing::TestWithParam<Ending> {};

} // namespace

// Each ending stops the timer, shows its screen on a fresh game of the level it leads to, and
// once the screen is gone lays that level and runs again.
TEST_P(Endings, ShowsItsScreenAndLeavesAFreshGame) {
    const Ending& e = GetParam();
    TestGame g(e.players == 2, e.level > 0, std::max(e.level, 1));
    g.game.SetSnakesCollide(e.collide);
    g.game.SetPlayerNames(kMarkup, kLong);
    g.window.held = e.held;
    g.P(2).power = e.player2Power;
    if (e.meal[0] > 0) {
        g.P(e.meal[0]).eaten = e.meal[1];
        g.access.PutFood(g.S(e.meal[0]).HeadCell() + 1);
    } else {
        g.access.PutFood(799);
    }
    std::array<int, 3> seen{}; // timer, level and obstacles while the screen is shown
    g.window.onEndScreen = [&] {
        seen = {g.window.timerOn, g.game.level(), ObstacleCount(g.game)};
    };
    for (int tick = 0; tick < e.ticks; ++tick) {
        ASSERT_TRUE(g.window.shown.empty()) << "ended before tick " << tick;
        if (e.taps.contains(tick)) {
            g.window.taps.insert(e.taps.at(tick));
        }
        g.Tick();
    }
    ASSERT_EQ(g.window.shown, std::vector{e.screen});
    EXPECT_EQ(seen, (std::array{0, e.whileShown[0], e.whileShown[1]})) << "timer, level, walls";
    EXPECT_EQ((std::array{g.game.level(), ObstacleCount(g.game)}), e.after) << "level, walls";
    const int head2 = e.players == 2 ? g.S(2).HeadCell() : 0;
    EXPECT_EQ((std::array{g.S(1).HeadCell(), head2}), e.heads);
    // The timer runs again on a fresh game: no score, full power, nothing eaten, six segments.
    EXPECT_TRUE(g.window.timerOn);
    const Player& one = g.game.player(1);
    const Player& two = g.game.player(2);
    EXPECT_EQ((std::array{one.score, two.score, one.power, two.power}),
              (std::array<float, 4>{0, 0, kFullPower, kFullPower}));
    EXPECT_EQ((std::array{one.eaten, two.eaten, one.snake.headIndex}), (std::array{0, 0, 5}));
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
