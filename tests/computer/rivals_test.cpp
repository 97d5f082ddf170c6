// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/computer/computer_test.h"

namespace zorvik::testkit {
namespace {

// Player 2 (the computer) heading down with its head on player 1's body, at
// `row` of a two-player campaign level; the collision pass paints the head
// black when `black`.
struct BiteBoard {
    int row = 10;
    int level = 1;
    bool black = true;
    float victimPower = kFullPower;
};

std::optional<PlayerAction> ChoiceOnBody(const BiteBoard& board) {
    TestGame t(true, true, board.level);
    t.access.Place(1, LineTo(At(board.row, 15), kRight), kRight);
    t.access.Place(2, LineTo(At(board.row, 12), kDown), kDown);
    t.access.PutFood(At(15, 25));
    if (board.black) {
        t.access.CheckCollisions();
    }
    t.P(1).power = board.victimPower;
    return ChoiceOf(t, 2);
}

// A black head bites whenever going on is safe or the bite kills; a head on
// the other snake that is not black has nothing to bite with, and a bite
// that would leave the snake running into a wall gives way to a turn.
TEST(ComputerRivals, bitesWithABlackHeadAndTheBiteAllowed) {
    EXPECT_EQ(ChoiceOnBody({}), PlayerAction::Bite);
    EXPECT_NE(ChoiceOnBody({.black = false}), PlayerAction::Bite);
    const std::optional<PlayerAction> atTheWall = ChoiceOnBody({.row = 28, .level = 2});
    EXPECT_TRUE(atTheWall == PlayerAction::TurnLeft || atTheWall == PlayerAction::TurnRight);
    EXPECT_EQ(ChoiceOnBody({.row = 28, .level = 2, .victimPower = 70}), PlayerAction::Bite);
}

// Player 1 heads right at the food two cells on; player 2's head, just above
// and to the right, may step into the cell between. When the snakes collide
// player 1 keeps out of that cell (and of the one above it), otherwise it
// goes straight on.
TEST(ComputerRivals, keepsClearOfTheOtherHeadsNextCellsWhenSnakesCollide) {
    for (const bool collide : {true, false}) {
        TestGame t(true);
        t.game.SetSnakesCollide(collide);
        t.access.Place(1, LineTo(At(9, 10), kRight), kRight);
        t.access.Place(2, LineTo(At(8, 11), kDown), kDown);
        t.access.PutFood(At(9, 12));
        EXPECT_EQ(ChoiceOf(t), collide ? std::optional(PlayerAction::TurnDown) : std::nullopt)
            << "collide " << collide;
    }
}

// At 25 ms a tick, a quick player acts in one tick of four: after a turn the
// computer waits three ticks. At 150 ms it may act in every tick.
TEST(ComputerRivals, actsAtMostOnceIn100Milliseconds) {
    for (const auto& [step, quietTicks] : {std::pair{6, 3}, {2, 0}}) {
        TestGame t;
        t.game.SetSpeedStep(step);
        t.access.Place(1, LineTo(At(10, 10), kUp), kUp);
        t.access.PutFood(At(10, 9));
        ComputerPlayer computer(1);
        EXPECT_EQ(computer.ChooseAction(t.game), PlayerAction::TurnLeft);
        for (int tick = 0; tick < quietTicks; ++tick) {
            EXPECT_EQ(computer.ChooseAction(t.game), std::nullopt) << "step " << step;
        }
        EXPECT_EQ(computer.ChooseAction(t.game), PlayerAction::TurnLeft) << "step " << step;
    }
}

// Food beside the head with the wall just beyond it: at 150 ms the computer
// turns to it and turns again next tick; at 25 ms the turn would carry it
// into the wall before it may turn again, so it does not take it.
TEST(ComputerRivals, plansWithTheTurnsItWillBeAllowed) {
    for (const int step : {2, 6}) {
        TestGame t(false, true, 2);
        t.game.SetSpeedStep(step);
        t.access.Place(1, LineTo(At(10, 2), kUp), kUp);
        t.access.PutFood(At(10, 1));
        EXPECT_EQ(ChoiceOf(t) == PlayerAction::TurnLeft, step == 2) << "step " << step;
    }
}

} // namespace
} // namespace zorvik::testkit
