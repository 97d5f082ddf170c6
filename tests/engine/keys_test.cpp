// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <vector>

namespace zorvik {
namespace {

using testkit::SteeringKey;
using testkit::TestGame;

struct TurnCase {
    int moving;
    std::vector<int> held; // directions whose keys are held
    int after;
};

// Left, up, right, down is the order of the keys; the first whose turn is a
// quarter turn acts, and reversals or the current direction are skipped.
TEST(Keys, FirstQuarterTurnInKeyOrderActs) {
    const TurnCase cases[] = {
        {kRight, {kLeft}, kRight},
        {kRight, {kLeft, kUp}, kUp},
        {kUp, {kLeft, kRight}, kLeft},
        {kUp, {kUp}, kUp},
        {kUp, {kDown}, kUp},
        {kDown, {kRight, kLeft}, kLeft},
        {kLeft, {kRight, kDown}, kDown},
        {kRight, {kDown, kUp}, kUp},
        {kDown, {kRight}, kRight},
        {kLeft, {kRight, kLeft, kDown, kUp}, kUp},
    };
    for (const TurnCase& c : cases) {
        for (int player : {1, 2}) {
            SCOPED_TRACE(::testing::Message() << "player " << player << " moving " << c.moving
                                              << " expecting " << c.after);
            TestGame g;
            g.TwoPlayers();
            g.Dirs(player).at(g.Head(player)) = c.moving;
            for (int dir : c.held) {
                g.window.Hold(SteeringKey(player, dir));
            }
            g.game.ReadKeys();
            EXPECT_EQ(g.Dirs(player).at(g.Head(player)), c.after);
        }
    }
}

struct QueryCase {
    std::vector<int> held;
    std::vector<int> player1Queries;
};

// The chain stops at the acting key, so the keys after it are not even read;
// player 2's chain always follows.
TEST(Keys, KeysAreReadInOrderUpToTheActingOne) {
    const QueryCase cases[] = {
        {{}, {vk::Left, vk::Up, vk::Right, vk::Down, vk::Control}},
        {{vk::Left}, {vk::Left, vk::Up, vk::Right, vk::Down, vk::Control}},
        {{vk::Up}, {vk::Left, vk::Up}},
        {{vk::Left, vk::Down}, {vk::Left, vk::Up, vk::Right, vk::Down}},
    };
    for (const QueryCase& c : cases) {
        TestGame g;
        g.window.queries.clear();
        for (int key : c.held) {
            g.window.Hold(key);
        }
        g.game.ReadKeys();
        std::vector<int> expected = c.player1Queries;
        expected.insert(expected.end(), {vk::A, vk::W, vk::D, vk::S, vk::Tab});
        EXPECT_EQ(g.window.queries, expected);
    }
}

// A key pressed and released between two ticks still turns the snake, once.
TEST(Keys, TapBetweenTicksActsInTheNextTick) {
    TestGame g;
    g.window.Tap(vk::Up);
    g.Tick();
    EXPECT_EQ(g.HeadCell(1), 75);
    EXPECT_TRUE(g.window.taps.empty());
}

// A tap that was not read because an earlier key acted stays pending and
// turns the snake in a later tick.
TEST(Keys, KeyAfterTheActingOneStaysPending) {
    TestGame g;
    g.window.Tap(vk::Up);
    g.window.Tap(vk::Right);
    g.Tick();
    EXPECT_EQ(g.HeadCell(1), 75);
    g.Tick();
    EXPECT_EQ(g.HeadCell(1), 76);
}

// With the head black and Ctrl held, a turn in the same tick uses the
// player's one action, so there is no bite.
TEST(Keys, TurnBeatsBite) {
    for (bool turn : {true, false}) {
        SCOPED_TRACE(turn ? "with a turn" : "without a turn");
        TestGame g;
        g.TwoPlayers();
        g.RunAcross(1);
        g.window.Hold(vk::Control);
        if (turn) {
            g.window.Tap(vk::Down);
        }
        g.Tick();
        EXPECT_EQ(g.game.Snake1Dir.at(g.game.Snake1Head), turn ? kDown : kRight);
        EXPECT_EQ(g.game.Power2, turn ? 2370 : 2270);
    }
}

// In a one-player game player 2's keys change nothing the player can see.
TEST(Keys, SecondPlayersKeysDoNothingVisibleInAOnePlayerGame) {
    TestGame quiet(7);
    TestGame pressed(7);
    for (int key : {vk::W, vk::A, vk::S, vk::D, vk::Tab}) {
        pressed.window.Hold(key);
    }
    quiet.Tick(20);
    pressed.Tick(20);
    EXPECT_EQ(pressed.game.Snake1, quiet.game.Snake1);
    EXPECT_EQ(pressed.game.TableBlock, quiet.game.TableBlock);
    EXPECT_EQ(pressed.game.Power1, quiet.game.Power1);
    EXPECT_EQ(pressed.game.Score1, quiet.game.Score1);
}

} // namespace
} // namespace zorvik
