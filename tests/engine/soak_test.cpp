// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <cmath>
#include <gmock/gmock.h>
#include <random>

namespace zorvik::testkit {
namespace {

enum Kind { NextLevel, CampaignWon, ClassicWon, Crash, Collision, Bitten, Unknown };

// Which ending an end screen announces: its picture (the first three kinds follow the
// pictures' order), or the end of its text.
Kind KindOf(const EndScreenContent& shown) {
    // A one-player crash has no text.
    const std::string text = shown.message ? shown.message->words : " Won";
    return shown.picture != EndPicture::GameOver               ? static_cast<Kind>(shown.picture)
           : text.ends_with(" Won")                            ? Crash
           : text.find(" Collided with ") != std::string::npos ? Collision
           : text.ends_with(" was bitten to death")            ? Bitten
                                                               : Unknown;
}

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

// Taps player 1's snake towards the food along the shortest free path.
void SteerForFood(TestGame& g) {
    // Steps to the food: kCells where blocked, kCells - 1 where out of reach.
    // Plain arrays and arithmetic, as this runs on most ticks under the sanitizers.
    int distance[kCells];
    int queue[kCells];
    std::transform(g.game.obstacles().begin(), g.game.obstacles().end(), distance,
                   [](int cell) { return cell == kObstacle ? kCells : kCells - 1; });
    const Snake& s = g.S(1);
    std::for_each(&s.cells[0], &s.cells[s.headIndex] + 1, [&](int c) { distance[c] = kCells; });
    int size = 0;
    distance[queue[size++] = g.game.foodCell()] = 0;
    for (int i = 0; i < size; ++i) {
        const int c = queue[i];
        const int rowStart = c - c % kColumns;
        for (int next : {rowStart + (c + 1) % kColumns, rowStart + (c + kColumns - 1) % kColumns,
                         (c + kCells - kColumns) % kCells, (c + kColumns) % kCells}) {
            if (distance[next] == kCells - 1) {
                distance[next] = distance[c] + 1;
                queue[size++] = next;
            }
        }
    }
    const auto steps = [&](int dir) { return distance[Neighbour(s.HeadCell(), dir)]; };
    int best = s.directions.at(s.headIndex);
    for (int d = kRight; d <= kDown; ++d) {
        best = steps(d) < steps(best) ? d : best;
    }
    g.window.taps.insert(std::array{0, vk::Right, vk::Left, vk::Up, vk::Down}.at(best));
}

} // namespace

// Long random play keeps every invariant after every tick and reaches every kind of ending.
TEST(Soak, RandomPlayKeepsTheGameConsistentAndReachesEveryEnding) {
    TestGame g;
    std::mt19937 random(4242);
    std::array<int, Unknown + 1> endings{};
    g.window.onEndScreen = [&] { ++endings.at(KindOf(g.window.shown.back())); };
    enum class Mode { Random, Feed, Ambush } mode = Mode::Random;
    // Each stretch starts a new game with random speed, collide option and names, then plays
    // random keys with either number of players and game type, steers one snake for the food
    // in either game type, or has player 1's fresh snake turn onto the other and ride along
    // it, biting.
    for (int tick = 0, step = 0, length = 0; tick < 100'000; ++tick, ++step) {
        if (step == length) {
            mode = static_cast<Mode>(random() % 5 % 3);
            length = mode == Mode::Random ? 500 : mode == Mode::Feed ? 5000 : 30;
            step = 0;
            g.window.held = mode == Mode::Ambush ? std::set{vk::Control} : std::set<int>{};
            std::string names(random() % 40, ' ');
            std::generate(names.begin(), names.end(), [&] { return static_cast<char>(random()); });
            const bool twoPlayers =
                mode == Mode::Ambush || (mode == Mode::Random && random() % 2 == 0);
            const bool campaign = mode == Mode::Feed && random() % 2 == 0;
            GameOptions options = Options(twoPlayers, campaign);
            options.snakesCollide = mode != Mode::Feed && random() % 3 == 0;
            options.speedStep = static_cast<int>(random() % kSpeedSteps.size());
            g.game.SetPlayerNames(names.substr(0, names.size() / 2),
                                  names.substr(names.size() / 2));
            g.game.StartGameOnLevel(options, 1);
        }
        if (mode == Mode::Feed) {
            SteerForFood(g);
        } else if (mode == Mode::Ambush && (step == 0 || step == 2)) {
            g.window.taps = {step == 0 ? vk::Down : vk::Right};
        } else if (mode == Mode::Random) {
            g.window.taps.insert(static_cast<int>(random() % 0x60)); // any key, read or not
        }
        g.Tick();
        ASSERT_TRUE(Consistent(g)) << "after tick " << tick;
    }
    using ::testing::Gt;
    EXPECT_THAT(endings, ::testing::ElementsAre(Gt(0), Gt(0), Gt(0), Gt(0), Gt(0), Gt(0), 0));
}

} // namespace zorvik::testkit
