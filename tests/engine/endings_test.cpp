// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorvik {
namespace {

using testkit::Line;
using testkit::LineTo;
using testkit::ObstacleCount;
using testkit::TestGame;

using Message = std::function<std::optional<std::string>(const std::string&, const std::string&)>;

const Message kNoMessage = [](const std::string&, const std::string&) {
    return std::optional<std::string>{};
};

// A snake whose head, heading right, runs into its own body on the next move.
std::vector<int> Hook(int tail) {
    return {tail, tail - 1, tail + 29, tail + 28, tail + 27, tail - 3, tail - 2};
}

// One way of ending a game, from a position one tick before the ending.
struct Ending {
    const char* name;
    bool twoPlayers;
    std::function<void(TestGame&)> setUp;
    EndPicture picture;
    std::optional<int> level;
    Message message;
    int levelAfter;
    int obstaclesWhileShown; // the layout is laid only when the screen is dismissed
    int obstaclesAfter;
    int head1After; // where the fresh snakes are once the tick is over
    int head2After;
};

const std::vector<Ending>& Endings() {
    static const std::vector<Ending> endings{
        {"next level", true,
         [](TestGame& g) {
             g.Campaign(3);
             g.game.Eaten2 = 24;
             g.PutFood(166);
             g.Tick();
         },
         EndPicture::LevelProceed, 4, kNoMessage, 4, 204, 190, 106, 166},
        {"campaign over",
         false,
         [](TestGame& g) {
             g.Campaign(7);
             g.game.Eaten1 = 24;
             g.PutFood(106);
             g.Tick();
         },
         EndPicture::CampaignOver,
         {},
         kNoMessage,
         1,
         0,
         0,
         106,
         -1},
        {"classic over",
         false,
         [](TestGame& g) {
             g.game.Eaten1 = 99;
             g.PutFood(106);
             g.Tick();
         },
         EndPicture::ClassicOver,
         {},
         kNoMessage,
         1,
         0,
         0,
         106,
         -1},
        {"crash into an obstacle",
         false,
         [](TestGame& g) {
             g.Campaign(5);
             g.PlaceSnake(1, LineTo(111, kRight, 6), kRight);
         },
         EndPicture::GameOver,
         {},
         kNoMessage,
         1,
         172,
         0,
         105,
         -1},
        {"player 1 crashes",
         true,
         [](TestGame& g) { g.PlaceSnake(1, Hook(105), kRight); },
         EndPicture::GameOver,
         {},
         [](const std::string&, const std::string& name2) { return name2 + " Won"; },
         1,
         0,
         0,
         105,
         165},
        {"player 2 crashes",
         true,
         [](TestGame& g) { g.PlaceSnake(2, Hook(165), kRight); },
         EndPicture::GameOver,
         {},
         [](const std::string& name1, const std::string&) { return name1 + " Won"; },
         1,
         0,
         0,
         105,
         165},
        {"both crash",
         true,
         [](TestGame& g) {
             g.PlaceSnake(1, Hook(105), kRight);
             g.PlaceSnake(2, Hook(165), kRight);
         },
         EndPicture::GameOver,
         {},
         [](const std::string&, const std::string& name2) { return name2 + " Won"; },
         1,
         0,
         0,
         105,
         165},
        {"player 1 runs into player 2",
         true,
         [](TestGame& g) {
             g.window.collide = true;
             g.PlaceSnake(2, Line(260, kDown, 6), kDown);
             g.PlaceSnake(1, Line(374, kRight, 6), kRight);
             g.PutFood(799);
         },
         EndPicture::GameOver,
         {},
         [](const std::string& name1, const std::string& name2) {
             return name1 + " Collided with " + name2;
         },
         1,
         0,
         0,
         105,
         165},
        {"player 2 runs into player 1",
         true,
         [](TestGame& g) {
             g.window.collide = true;
             g.PlaceSnake(1, Line(260, kDown, 6), kDown);
             g.PlaceSnake(2, Line(374, kRight, 6), kRight);
             g.PutFood(799);
         },
         EndPicture::GameOver,
         {},
         [](const std::string& name1, const std::string& name2) {
             return name2 + " Collided with " + name1;
         },
         1,
         0,
         0,
         105,
         165},
        // Player 2's keys are still read after player 1's bite ended the game,
        // and turn the fresh snake 2 down.
        {"player 2 bitten to death",
         true,
         [](TestGame& g) {
             g.RunAcross(1);
             g.game.Power2 = 70;
             g.window.Hold(vk::Control);
             g.window.Hold(vk::S);
         },
         EndPicture::GameOver,
         {},
         [](const std::string&, const std::string& name2) {
             return name2 + " was bitten to death";
         },
         1,
         0,
         0,
         106,
         195},
        {"player 1 bitten to death",
         true,
         [](TestGame& g) {
             g.RunAcross(2);
             g.game.Power1 = 70;
             g.window.Hold(vk::Tab);
         },
         EndPicture::GameOver,
         {},
         [](const std::string& name1, const std::string&) {
             return name1 + " was bitten to death";
         },
         1,
         0,
         0,
         106,
         166},
    };
    return endings;
}

// What the game looked like while the end screen was up.
struct WhileShown {
    bool timerEnabled = true;
    int level = 0;
    int obstacles = -1;
};

void PlayEnding(const Ending& ending, const std::string& name1, const std::string& name2) {
    SCOPED_TRACE(ending.name);
    TestGame g;
    g.window.name1 = name1;
    g.window.name2 = name2;
    if (ending.twoPlayers) {
        g.TwoPlayers();
    }
    ending.setUp(g);
    ASSERT_TRUE(g.window.endScreens.empty());
    g.game.Score1 = 1200;
    g.game.Score2 = 1200;

    WhileShown shown;
    g.window.onEndScreen = [&] {
        shown = {g.window.timerEnabled, g.game.Level, ObstacleCount(g.game.Board)};
    };
    g.Tick();

    ASSERT_EQ(g.window.endScreens.size(), 1u);
    const EndScreenContent expected{ending.picture, ending.level, ending.message(name1, name2)};
    EXPECT_EQ(g.window.endScreens.front(), expected);
    EXPECT_FALSE(shown.timerEnabled);
    EXPECT_EQ(shown.level, ending.levelAfter);
    EXPECT_EQ(shown.obstacles, ending.obstaclesWhileShown);

    EXPECT_TRUE(g.window.timerEnabled);
    EXPECT_EQ(g.game.Level, ending.levelAfter);
    EXPECT_EQ(ObstacleCount(g.game.Board), ending.obstaclesAfter);
    EXPECT_EQ(g.game.Score1, 0);
    EXPECT_EQ(g.game.Score2, 0);
    EXPECT_EQ(g.game.Eaten1 + g.game.Eaten2, 0);
    EXPECT_EQ(g.game.Power1, kFullPower);
    EXPECT_EQ(g.game.Power2, kFullPower);
    EXPECT_EQ(g.game.Snake1Head, 5);
    EXPECT_EQ(g.HeadCell(1), ending.head1After);
    if (ending.twoPlayers) {
        EXPECT_EQ(g.game.Snake2Head, 5);
        EXPECT_EQ(g.HeadCell(2), ending.head2After);
    }
}

// Each ending shows its picture and text, waits with the timer stopped, then
// leaves a fresh game on the right level with its layout and the timer running.
TEST(Endings, EachEndingShowsItsScreenAndLeavesAFreshGame) {
    for (const Ending& ending : Endings()) {
        PlayEnding(ending, "Player1", "Player2");
    }
}

// Names are whatever the players typed: the messages carry them verbatim,
// whatever they hold and however long they are.
TEST(Endings, MessagesCarryThePlayersNamesVerbatim) {
    const std::pair<std::string, std::string> names[] = {
        {"Ann", "Bob"},
        {"", ""},
        {"<b>Zo\xc3\xab</b> & \"%s\"", "tab\there\nnewline"},
        {std::string(500, 'n'), std::string("nul\0inside", 10)},
        {" Won", " was bitten to death"},
    };
    for (const auto& [name1, name2] : names) {
        for (const Ending& ending : Endings()) {
            PlayEnding(ending, name1, name2);
        }
    }
}

// A campaign runs through every level on 25 food each, lays each level's
// layout on the way, and the 25th food of level 7 ends it on the open board.
TEST(Endings, CampaignClimbsFromLevelOneToCampaignOver) {
    const int obstacles[] = {0, 0, 116, 204, 190, 172, 170, 284};
    TestGame g;
    g.Campaign(1);
    for (int level = 1; level <= 7; ++level) {
        SCOPED_TRACE(level);
        ASSERT_EQ(g.game.Level, level);
        EXPECT_EQ(ObstacleCount(g.game.Board), obstacles[level]);
        const std::vector<int> path = g.OpenPath(25);
        ASSERT_EQ(path.size(), 25u);
        ASSERT_NO_FATAL_FAILURE(g.FeedAlong(path));
        EXPECT_EQ(g.game.Score1, 25 * 500);
        EXPECT_EQ(g.window.endScreens.size(), static_cast<std::size_t>(level - 1));
        g.Tick();
        ASSERT_EQ(g.window.endScreens.size(), static_cast<std::size_t>(level));
        EXPECT_EQ(g.game.Score1, 0);
    }
    std::vector<EndScreenContent> expected;
    for (int level = 2; level <= 7; ++level) {
        expected.push_back({EndPicture::LevelProceed, level, {}});
    }
    expected.push_back({EndPicture::CampaignOver, {}, {}});
    EXPECT_EQ(g.window.endScreens, expected);
    EXPECT_EQ(g.game.Level, 1);
    EXPECT_EQ(ObstacleCount(g.game.Board), 0);
    EXPECT_TRUE(g.game.CampaignMode);
}

// A classic game goes on through 99 food and ends the tick after the 100th,
// with the snake at its longest, 106 segments.
TEST(Endings, ClassicGameEndsTheTickAfterTheHundredthFood) {
    TestGame g;
    const std::vector<int> path = g.OpenPath(100);
    ASSERT_EQ(path.size(), 100u);
    ASSERT_NO_FATAL_FAILURE(g.FeedAlong(path));
    EXPECT_TRUE(g.window.endScreens.empty());
    EXPECT_EQ(g.game.Snake1Head, 105);
    g.Tick();
    ASSERT_EQ(g.window.endScreens.size(), 1u);
    EXPECT_EQ(g.window.endScreens.front().picture, EndPicture::ClassicOver);
    EXPECT_EQ(g.game.Level, 1);
    EXPECT_EQ(g.game.Snake1Head, 5);
}

} // namespace
} // namespace zorvik
