// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <tuple>

namespace zorvik::testkit {

// The board has no edge: a head leaving one side enters the opposite side, and only there,
// from every cell of every edge's ends, corners included.
TEST(Steering, HeadWrapsAtEveryEdge) {
    const std::array<int, 3> table[] = {
        {29, kRight, 0}, {899, kRight, 870}, {449, kRight, 420}, {58, kRight, 59},
        {0, kLeft, 29},  {870, kLeft, 899},  {420, kLeft, 449},  {31, kLeft, 30},
        {0, kUp, 870},   {29, kUp, 899},     {5, kUp, 875},      {30, kUp, 0},
        {870, kDown, 0}, {899, kDown, 29},   {880, kDown, 10},   {869, kDown, 899}};
    for (const auto& [from, dir, to] : table) {
        SCOPED_TRACE(::testing::Message() << from << " heading " << dir);
        TestGame g;
        g.access.Place(1, LineTo(from, dir), dir);
        g.Tick();
        EXPECT_EQ(g.S(1).HeadCell(), to);
        EXPECT_EQ(g.Shown(to), kSnake1);
    }
}

// One action per tick: the first quarter turn in key order acts, and later keys stay pending.
TEST(Steering, FirstQuarterTurnInKeyOrderActsAndLaterKeysStayPending) {
    using namespace keys;
    // Player, direction, whether the head is black, keys tapped, direction after, keys still
    // pending. Keys go left, up, right, down, bite; a reversal or the current direction is
    // passed over, and keys after the acting one are not read, so the bite key waits behind a
    // turn. With no turn the bite key is read, black head or not, and its press is used up.
    using Taps = std::set<PlayerControl>;
    const std::tuple<int, int, bool, Taps, int, Taps> table[] = {
        {1, kRight, true, {Left, Up, Right, Down, Control}, kUp, {Right, Down, Control}},
        {2, kUp, true, {D, A}, kLeft, {D}},
        {2, kUp, true, {W, S, Tab}, kUp, {}},
        {1, kDown, true, {Down, Right}, kRight, {Down}},
        {2, kLeft, true, {D, S, W}, kUp, {D, S}},
        {1, kRight, false, {Left, Right, Control}, kRight, {}},
        {2, kDown, false, {Tab}, kDown, {}}};
    for (const auto& [player, moving, black, tapped, after, pending] : table) {
        SCOPED_TRACE(::testing::Message() << "player " << player << " moving " << moving);
        TestGame g(true);
        Snake& snake = g.P(player).snake;
        snake.directions.at(5) = moving;
        if (black) {
            g.access.cellPictures().at(snake.HeadCell()) = kBoardPictures.blackHead;
        }
        g.window.taps = tapped;
        g.access.ReadActions();
        EXPECT_EQ(snake.directions.at(5), after);
        EXPECT_EQ(g.window.taps, pending);
    }
}

} // namespace zorvik::testkit
