// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/computer/computer_test.h"

namespace zorvik::testkit {
namespace {

struct Board {
    const char* what;
    std::vector<int> snake; // tail first
    int dir;
    int food;
    std::optional<PlayerAction> expected;
};

void ExpectChoices(const std::vector<Board>& boards, int level = 1) {
    for (const Board& board : boards) {
        TestGame t(false, true, level);
        t.access.Place(1, board.snake, board.dir);
        t.access.PutFood(board.food);
        EXPECT_EQ(ChoiceOf(t), board.expected) << board.what;
    }
}

// The nearest food is taken at once, whichever side of the head it lies on.
TEST(ComputerSteering, takesFoodOneStepAway) {
    ExpectChoices({
        {"on the left", LineTo(At(10, 10), kUp), kUp, At(10, 9), PlayerAction::TurnLeft},
        {"on the right", LineTo(At(10, 10), kUp), kUp, At(10, 11), PlayerAction::TurnRight},
        {"below", LineTo(At(10, 10), kRight), kRight, At(11, 10), PlayerAction::TurnDown},
        {"ahead", LineTo(At(10, 10), kRight), kRight, At(10, 11), std::nullopt},
    });
}

// A wall or a body right ahead is never run into, even with the food beyond it.
TEST(ComputerSteering, turnsAwayFromAWallOrABodyAhead) {
    const std::vector<int> curled{At(6, 11), At(7, 11), At(8, 11), At(9, 11),
                                  At(9, 12), At(9, 13), At(8, 13), At(8, 12)};
    ExpectChoices(
        {{"the right wall", LineTo(At(10, 28), kRight), kRight, At(9, 3), PlayerAction::TurnUp},
         {"its own body", curled, kLeft, At(8, 9), PlayerAction::TurnUp}},
        2);
}

// Head at the top wall beside a pocket of five cells that its own body
// closes far from its tail, with the food in the pocket: it turns the other
// way, into the open, and the same mirrored.
TEST(ComputerSteering, takesTheSideWithRoomForItsLengthAtAFork) {
    const auto snake = [](bool mirrored) {
        const auto column = [mirrored](int c) { return mirrored ? kColumns - 1 - c : c; };
        std::vector<int> cells;
        for (int row = 19; row >= 6; --row) {
            cells.push_back(At(row, column(1)));
        }
        for (int row = 6; row >= 1; --row) {
            cells.push_back(At(row, column(2)));
        }
        return cells;
    };
    ExpectChoices({{"pocket on the left", snake(false), kUp, At(4, 1), PlayerAction::TurnRight},
                   {"pocket on the right", snake(true), kUp, At(4, 28), PlayerAction::TurnLeft}},
                  2);
}

// The head is laid heading up on a body that came from the left, with the
// food right behind the head: a reversal would reach it, and is never asked.
TEST(ComputerSteering, neverAsksForTheReverseOrTheCurrentDirection) {
    TestGame t;
    t.access.Place(1, LineTo(At(10, 10), kRight), kUp);
    t.access.PutFood(At(11, 10));
    const std::optional<PlayerAction> choice = ChoiceOf(t);
    EXPECT_NE(choice, PlayerAction::TurnDown);
    EXPECT_NE(choice, PlayerAction::TurnUp);
}

// Food one step across each edge of the open board is one step away, and a
// body beyond the edge lies where the wrap puts it.
TEST(ComputerSteering, wrapsRoundTheBoardEdges) {
    ExpectChoices({
        {"across the top", LineTo(At(0, 5), kLeft), kLeft, At(29, 5), PlayerAction::TurnUp},
        {"across the bottom", LineTo(At(29, 5), kRight), kRight, At(0, 5), PlayerAction::TurnDown},
        {"across the left", LineTo(At(5, 0), kUp), kUp, At(5, 29), PlayerAction::TurnLeft},
        {"across the right, its body below",
         {At(6, 2), At(6, 1), At(6, 0), At(6, 29), At(5, 29)},
         kUp,
         At(5, 0),
         PlayerAction::TurnRight},
    });
}

} // namespace
} // namespace zorvik::testkit
