// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <optional>
#include <string>

namespace zorvik {
namespace {

using testkit::BiteKey;
using testkit::LineTo;
using testkit::TestGame;

// A head that crosses the other snake is black for exactly the next tick,
// and only in that tick does a held bite key take 100 power.
TEST(Biting, BlackHeadLastsOneTickAndAllowsOneBite) {
    for (int biter : {1, 2}) {
        SCOPED_TRACE(biter);
        const int victim = 3 - biter;
        TestGame g;
        g.TwoPlayers();
        g.window.Hold(BiteKey(biter));
        g.RunAcross(biter);
        EXPECT_EQ(g.game.TableBlock.at(380), g.game.Templates.colpic);
        EXPECT_EQ(g.Power(victim), 2370); // the head was not black when the keys were read
        g.Tick();
        EXPECT_EQ(g.Power(victim), 2270);
        EXPECT_NE(g.game.TableBlock.at(380), g.game.Templates.colpic);
        EXPECT_NE(g.game.TableBlock.at(g.HeadCell(biter)), g.game.Templates.colpic);
        g.Tick();
        EXPECT_EQ(g.Power(victim), 2270);
        EXPECT_EQ(g.Power(biter), 2370);
        EXPECT_TRUE(g.window.endScreens.empty());
    }
}

// A head that stays on the other snake bites once per tick: from full power
// the victim survives 23 bites, down to 70, and the 24th kills.
TEST(Biting, TwentyFourthBiteFromFullPowerKills) {
    for (int biter : {1, 2}) {
        SCOPED_TRACE(biter);
        const int victim = 3 - biter;
        TestGame g;
        g.TwoPlayers();
        // Both run right along row 1, the biter's head inside the victim's body.
        g.PlaceSnake(biter, LineTo(35, kRight, 6), kRight);
        g.PlaceSnake(victim, LineTo(37, kRight, 6), kRight);
        g.window.Hold(BiteKey(biter));
        g.Tick(24);
        EXPECT_EQ(g.Power(victim), 70);
        EXPECT_TRUE(g.window.endScreens.empty());
        g.Tick();
        const std::string name = victim == 1 ? "Player1" : "Player2";
        ASSERT_EQ(g.window.endScreens.size(), 1u);
        EXPECT_EQ(g.window.endScreens.front().message, name + " was bitten to death");
    }
}

struct HeadOn {
    int length1;
    int length2;
};

// Two heads entering one cell meet, whatever the snakes' lengths: with
// collision on player 1 is found running into player 2, with it off both
// heads turn black and both players may bite.
TEST(Biting, HeadsMeetingOnOneCellAreFound) {
    const HeadOn cases[] = {{6, 6}, {6, 10}, {10, 6}};
    for (const HeadOn& c : cases) {
        for (bool collide : {true, false}) {
            SCOPED_TRACE(::testing::Message() << c.length1 << " against " << c.length2
                                              << (collide ? " colliding" : " passing"));
            TestGame g;
            g.TwoPlayers();
            g.window.collide = collide;
            g.PlaceSnake(1, LineTo(309, kRight, c.length1), kRight);
            g.PlaceSnake(2, LineTo(311, kLeft, c.length2), kLeft);
            g.PutFood(799);
            g.Tick();
            if (collide) {
                ASSERT_EQ(g.window.endScreens.size(), 1u);
                EXPECT_EQ(g.window.endScreens.front().message,
                          std::optional<std::string>("Player1 Collided with Player2"));
                continue;
            }
            EXPECT_EQ(g.game.TableBlock.at(310), g.game.Templates.colpic);
            g.window.Hold(vk::Control);
            g.window.Hold(vk::Tab);
            g.Tick();
            EXPECT_EQ(g.game.Power1, 2270);
            EXPECT_EQ(g.game.Power2, 2270);
        }
    }
}

// In a one-player game there is nobody to bite: the second snake left over
// from a two-player game must not bite player 1, even with its head black.
TEST(Biting, LeftOverSecondSnakeCannotBiteInAOnePlayerGame) {
    TestGame g;
    g.TwoPlayers();
    g.RunAcross(2);
    ASSERT_EQ(g.game.TableBlock.at(g.HeadCell(2)), g.game.Templates.colpic);
    g.game.OnePlayer = true;
    g.game.Reset();
    g.window.Hold(vk::Tab);
    g.Tick();
    EXPECT_EQ(g.game.Power1, 2370);
}

} // namespace
} // namespace zorvik
