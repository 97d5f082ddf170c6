// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

namespace zorvik::testkit {

using namespace keys;

// Crossing the other snake blackens the head for one tick only, and a bite then takes 100.
TEST(Biting, BlackHeadLastsOneTickAndABiteTakesOneHundred) {
    for (int biter : {1, 2}) {
        SCOPED_TRACE(biter);
        TestGame g(true);
        g.access.PutFood(799);
        g.window.held = {biter == 1 ? Control : Tab};
        g.window.taps = {biter == 1 ? Down : W}; // towards the other snake
        g.Tick(2);
        EXPECT_EQ(g.Shown(g.S(biter).HeadCell()), kBoardPictures.blackHead);
        EXPECT_EQ(g.game.player(3 - biter).power, 2370); // not yet black when read
        g.Tick(2);
        EXPECT_EQ(g.game.player(3 - biter).power, 2270);
    }
}

// Heads meeting on one cell are found, also for snakes of one length: collision or two bites.
// Where they pass through each other onto the food, player 1 eats it, and player 2 is tested
// against the food placed anew.
TEST(Biting, HeadsMeetingHeadOnAreFound) {
    for (bool collide : {true, false}) {
        SCOPED_TRACE(collide);
        TestGame g(true);
        g.game.SetSnakesCollide(collide);
        g.window.held = {Control, Tab};
        g.access.Place(1, LineTo(309, kRight), kRight);
        g.access.Place(2, LineTo(311, kLeft), kLeft);
        g.access.PutFood(310);
        g.Tick();
        EXPECT_EQ(g.window.shown.size(), collide ? 1u : 0u);
        EXPECT_EQ(std::pair(g.game.player(1).score, g.game.player(2).score),
                  std::pair(collide ? 0.0f : 500.0f, 0.0f));
        g.Tick();
        EXPECT_EQ(g.game.player(1).power + g.game.player(2).power, collide ? 4740 : 4540);
    }
}

// A one-player game has nobody to bite, even while the idle second snake's head is black.
TEST(Biting, LeftOverSecondSnakeCannotBiteInAOnePlayerGame) {
    TestGame g(true);
    g.access.PutFood(799);
    g.Tick(10);
    g.window.taps = {W};
    g.Tick(2); // snake 2's head is now black on snake 1
    g.game.StartGame(Options(false));
    ASSERT_EQ(g.Shown(115), kBoardPictures.blackHead);
    g.window.held = {Tab};
    g.Tick();
    EXPECT_EQ(g.game.player(1).power, 2370);
}

} // namespace zorvik::testkit
