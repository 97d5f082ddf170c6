// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <tuple>

namespace zorvik::testkit {

// The board has no edge: a head leaving one side enters the opposite side, and only there.
TEST(Steering, HeadWrapsAtEveryEdge) {
    const std::array<int, 3> table[] = {{29, kRight, 0}, {899, kRight, 870}, {58, kRight, 59},
                                        {0, kLeft, 29},  {31, kLeft, 30},    {5, kUp, 875},
                                        {30, kUp, 0},    {880, kDown, 10},   {869, kDown, 899}};
    for (const auto& [from, dir, to] : table) {
        SCOPED_TRACE(::testing::Message() << from << " heading " << dir);
        TestGame g;
        g.Place(1, LineTo(from, dir), dir);
        g.Tick();
        EXPECT_EQ(g.P(1).HeadCell(), to);
        EXPECT_EQ(g.game.TableBlock.at(to), g.game.Templates.SBlock);
    }
}

// One action per tick: the first quarter turn in key order acts, and later keys stay pending.
TEST(Steering, FirstQuarterTurnInKeyOrderActsAndLaterKeysStayPending) {
    using namespace vk;
    // Player, direction, keys tapped, direction after, keys still pending. Keys go left, up,
    // right, down, bite; a reversal or the current direction is passed over, and keys after
    // the acting one are not read, so the bite key waits behind a turn.
    const std::tuple<int, int, std::set<int>, int, std::set<int>> table[] = {
        {1, kRight, {Left, Up, Right, Down, Control}, kUp, {Right, Down, Control}},
        {2, kUp, {D, A}, kLeft, {D}},
        {2, kUp, {W, S, Tab}, kUp, {}},
        {1, kDown, {Down, Right}, kRight, {Down}},
        {2, kLeft, {D, S, W}, kUp, {D, S}}};
    for (const auto& [player, moving, tapped, after, pending] : table) {
        SCOPED_TRACE(::testing::Message() << "player " << player << " moving " << moving);
        TestGame g(true);
        g.P(player).dirs.at(5) = moving;
        g.game.TableBlock.at(g.P(player).HeadCell()) = g.game.Templates.colpic; // may bite
        g.window.taps = tapped;
        g.game.ReadKeys();
        EXPECT_EQ(g.P(player).dirs.at(5), after);
        EXPECT_EQ(g.window.taps, pending);
    }
}

} // namespace zorvik::testkit
