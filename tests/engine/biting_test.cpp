// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

namespace zorvik::testkit {

// Crossing the other snake blackens the head for one tick only, and a bite then takes 100.
TEST(Biting, BlackHeadLastsOneTickAndABiteTakesOneHundred) {
    for (int biter : {1, 2}) {
        SCOPED_TRACE(biter);
        TestGame g(true);
        g.PutFood(799);
        g.window.held = {biter == 1 ? vk::Control : vk::Tab};
        g.window.taps = {biter == 1 ? vk::Down : vk::W}; // towards the other snake
        g.Tick(2);
        EXPECT_EQ(g.game.TableBlock.at(g.P(biter).HeadCell()), g.game.Templates.colpic);
        EXPECT_EQ(g.P(3 - biter).power, kFullPower); // not yet black when the keys were read
        g.Tick(2);
        EXPECT_EQ(g.P(3 - biter).power, kFullPower - 100);
    }
}

// Heads meeting on one cell are found, also for snakes of one length: collision or two bites.
TEST(Biting, HeadsMeetingHeadOnAreFound) {
    for (bool collide : {true, false}) {
        SCOPED_TRACE(collide);
        TestGame g(true);
        g.window.collide = collide;
        g.window.held = {vk::Control, vk::Tab};
        g.Place(1, LineTo(309, kRight), kRight);
        g.Place(2, LineTo(311, kLeft), kLeft);
        g.PutFood(799);
        g.Tick();
        EXPECT_EQ(g.window.shown.size(), collide ? 1u : 0u);
        g.Tick();
        EXPECT_EQ(g.game.Power1 + g.game.Power2, 2 * kFullPower - (collide ? 0 : 200));
    }
}

// A one-player game has nobody to bite, even while the idle second snake's head is black.
TEST(Biting, LeftOverSecondSnakeCannotBiteInAOnePlayerGame) {
    TestGame g(true);
    g.PutFood(799);
    g.Tick(10);
    g.window.taps = {vk::W};
    g.Tick(2); // snake 2's head is now black on snake 1
    g.StartGame(false);
    ASSERT_EQ(g.game.TableBlock.at(115), g.game.Templates.colpic);
    g.window.held = {vk::Tab};
    g.Tick();
    EXPECT_EQ(g.game.Power1, kFullPower);
}

} // namespace zorvik::testkit
