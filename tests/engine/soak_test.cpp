// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <cmath>
#include <random>

namespace zorvik::testkit {
namespace {

// Everything that must hold after every tick, whatever was played.
::testing::AssertionResult Consistent(const TestGame& g) {
    const SnakeGame& s = g.game;
    for (int player : {1, 2}) {
        const Player& p = s.player(player);
        const Snake& snake = p.snake;
        bool sound = s.level() >= 1 && s.level() <= 7 && p.power >= 70 && p.power <= kFullPower &&
                     std::fmod(kFullPower - p.power, 100.0f) == 0 && p.score >= 0 &&
                     std::fmod(p.score, 100.0f) == 0;
        // Each segment touches the next, bar the tail end, which names the
        // head's cell for a tick after a meal.
        for (int i = 0; sound && i < snake.headIndex && (player == 1 || s.options().twoPlayers);
             ++i) {
            const int a = snake.cells.at(i);
            const int b = snake.cells.at(i + 1);
            const int rows = std::abs(a / kColumns - b / kColumns);
            const int columns = std::abs(a % kColumns - b % kColumns);
            const bool touch =
                rows * columns == 0 && (rows + columns == 1 || rows + columns == kRows - 1);
            sound = snake.headIndex <= 105 && std::min(a, b) >= 0 && std::max(a, b) < kCells &&
                    (touch || (i == 0 && a == snake.HeadCell()));
        }
        if (!sound) {
            return ::testing::AssertionFailure()
                   << "player " << player << " at level " << s.level();
        }
    }
    return FoodIsValid(g);
}

} // namespace

// Long random play keeps every invariant after every tick: stretches of random keys with
// either number of players, game type, speed, collide option and names, and stretches in which
// player 1's fresh snake turns onto the other and rides along it, biting. Each ending is
// pinned down by its own test; this looks for what play in between may break.
TEST(Soak, RandomPlayKeepsTheGameConsistent) {
    TestGame g;
    std::mt19937 random(4242);
    for (int tick = 0, step = 0, length = 0; tick < 100'000; ++tick, ++step) {
        if (step == length) {
            length = random() % 3 == 0 ? 30 : 500;
            step = 0;
            g.window.held = length == 30 ? std::set{vk::Control} : std::set<int>{};
            std::string names(random() % 40, ' ');
            std::generate(names.begin(), names.end(), [&] { return static_cast<char>(random()); });
            const bool twoPlayers = length == 30 || random() % 2 == 0;
            GameOptions options = Options(twoPlayers, random() % 2 == 0);
            options.snakesCollide = random() % 3 == 0;
            options.speedStep = static_cast<int>(random() % kSpeedSteps.size());
            g.game.SetPlayerNames(names.substr(0, names.size() / 2),
                                  names.substr(names.size() / 2));
            g.game.StartGameOnLevel(options, 1);
        }
        const bool ambush = length == 30;
        if (ambush && (step == 0 || step == 2)) {
            g.window.taps = {step == 0 ? vk::Down : vk::Right};
        } else if (!ambush) {
            g.window.taps.insert(static_cast<int>(random() % 0x60)); // any key, read or not
        }
        g.Tick();
        ASSERT_TRUE(Consistent(g)) << "after tick " << tick;
    }
}

} // namespace zorvik::testkit
