// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "test_game.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zorvik {
namespace {

using testkit::AreNeighbours;
using testkit::BiteKey;
using testkit::DirectionTo;
using testkit::Neighbour;
using testkit::ObstacleCount;
using testkit::Opposite;
using testkit::SteeringKey;
using testkit::TestGame;

constexpr int kTicks = 100'000;
constexpr std::array<int, 7> kIntervals{250, 200, 150, 100, 75, 50, 25};
constexpr std::array<int, 8> kObstacleCounts{0, 0, 116, 204, 190, 172, 170, 284};
// The ten keys the game reads, and a few it never reads (Shift, space, Escape, Q).
constexpr std::array<int, 14> kKeys{vk::Left, vk::Up, vk::Right, vk::Down, vk::Control,
                                    vk::A,    vk::W,  vk::D,     vk::S,    vk::Tab,
                                    0x10,     0x20,   0x1B,      0x51};

enum Kind { NextLevel, CampaignOver, ClassicOver, Crash, Collision, BittenToDeath, kKinds };
constexpr std::array<const char*, kKinds> kKindNames{
    "next level", "campaign over", "classic over", "crash", "collision", "bitten to death"};

// Which ending an end screen announces, judged from its picture and text.
std::optional<Kind> KindOf(const EndScreenContent& shown, const std::string& name1,
                           const std::string& name2, bool onePlayer) {
    if (shown.picture == EndPicture::LevelProceed) {
        return shown.level && !shown.message ? std::optional(NextLevel) : std::nullopt;
    }
    if (shown.level) {
        return {};
    }
    if (shown.picture != EndPicture::GameOver) {
        if (shown.message) {
            return {};
        }
        return shown.picture == EndPicture::CampaignOver ? CampaignOver : ClassicOver;
    }
    if (!shown.message) {
        return onePlayer ? std::optional(Crash) : std::nullopt;
    }
    const std::string& m = *shown.message;
    if (m == name1 + " Won" || m == name2 + " Won") {
        return Crash;
    }
    if (m == name1 + " Collided with " + name2 || m == name2 + " Collided with " + name1) {
        return Collision;
    }
    if (m == name1 + " was bitten to death" || m == name2 + " was bitten to death") {
        return BittenToDeath;
    }
    return {};
}

// How a player plays for a stretch of the soak.
enum class Style {
    Random, // taps, holds and releases any key
    Lazy,   // now and then a random turn
    Food,   // heads for the food along free cells
    Hunt,   // heads for the other snake, rides along its body and bites
};

using CellFlags = std::array<bool, kCells>;

// The four neighbours of every cell, worked out once: the driver's searches
// run on every tick.
const std::array<std::array<int, 4>, kCells>& Neighbours() {
    static const auto table = [] {
        std::array<std::array<int, 4>, kCells> next{};
        for (int c = 0; c < kCells; ++c) {
            next.at(c) = {Neighbour(c, kRight), Neighbour(c, kLeft), Neighbour(c, kUp),
                          Neighbour(c, kDown)};
        }
        return next;
    }();
    return table;
}

// Plays the game between ticks: changes options as the settings window
// would, and presses keys for both players in their current styles.
class Driver {
public:
    Driver(TestGame& g, std::uint32_t seed) : g_(g), random_(seed) {}

    void BeforeTick() {
        if (--stretchLeft_ <= 0) {
            NewStretch();
        }
        if (Chance(2500)) {
            ChangeAnOption();
        }
        if (Chance(15)) {
            PressAnyKey(kKeys);
        }
        for (int player : {1, 2}) {
            Play(player);
        }
    }

private:
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    void NewStretch() {
        if (Chance(2)) {
            ChangeAnOption();
        }
        // Climbing a campaign needs long careful stretches, or it never ends.
        const bool climbing = g_.game.CampaignMode;
        const int roll = Pick(100);
        if (roll < (climbing ? 5 : 20)) {
            style_ = {Style::Random, Style::Random};
            stretchLeft_ = Between(20, 300);
        } else if (roll < (climbing ? 80 : 55)) {
            style_ = {Style::Food, Chance(2) ? Style::Food : Style::Lazy};
            stretchLeft_ = Between(1000, 6000);
        } else if (roll < (climbing ? 90 : 80)) {
            if (g_.game.OnePlayer && !Chance(4)) {
                TogglePlayers();
            }
            if (!Chance(8)) {
                g_.window.collide = false;
            }
            style_ = Chance(2) ? std::array{Style::Hunt, Style::Lazy}
                               : std::array{Style::Lazy, Style::Hunt};
            stretchLeft_ = Between(300, 2000);
        } else {
            style_ = {Style::Lazy, Style::Lazy};
            stretchLeft_ = Between(200, 1000);
        }
    }

    void TogglePlayers() {
        g_.game.OnePlayer = !g_.game.OnePlayer;
        g_.game.Reset();
    }

    void ChangeAnOption() {
        switch (Pick(5)) {
        case 0:
            TogglePlayers();
            break;
        case 1:
            g_.game.CampaignMode = !Chance(3);
            g_.game.Level = 1;
            g_.game.SetObstacles();
            g_.game.Reset();
            break;
        case 2:
            g_.window.interval = kIntervals.at(static_cast<std::size_t>(Pick(7)));
            break;
        case 3:
            g_.window.collide = Chance(2);
            break;
        default:
            g_.window.name1 = RandomName();
            g_.window.name2 = RandomName();
            break;
        }
    }

    std::string RandomName() {
        std::string name(static_cast<std::size_t>(Pick(30)), ' ');
        for (char& c : name) {
            c = static_cast<char>(Pick(256));
        }
        return name;
    }

    template <std::size_t N> void PressAnyKey(const std::array<int, N>& keys) {
        const int key = keys.at(static_cast<std::size_t>(Pick(N)));
        switch (Pick(3)) {
        case 0:
            g_.window.Tap(key);
            break;
        case 1:
            g_.window.Hold(key);
            break;
        default:
            g_.window.Release(key);
            break;
        }
    }

    void Play(int player) {
        const std::array<int, 5> own{SteeringKey(player, kRight), SteeringKey(player, kLeft),
                                     SteeringKey(player, kUp), SteeringKey(player, kDown),
                                     BiteKey(player)};
        const bool inPlay = player == 1 || !g_.game.OnePlayer;
        switch (style_.at(static_cast<std::size_t>(player - 1))) {
        case Style::Random:
            if (Chance(3)) {
                PressAnyKey(own);
            }
            break;
        case Style::Lazy:
            if (Chance(10)) {
                g_.window.Tap(own.at(static_cast<std::size_t>(Pick(4))));
            }
            break;
        case Style::Food:
            if (inPlay) {
                SteerToFood(player, own);
            }
            break;
        case Style::Hunt:
            if (g_.game.OnePlayer) {
                if (inPlay) {
                    SteerToFood(player, own);
                }
                break;
            }
            g_.window.Hold(BiteKey(player));
            Hunt(player, own);
            break;
        }
    }

    // The cells a move of this player must avoid.
    CellFlags Blocked(int player) {
        CellFlags blocked{};
        std::transform(g_.game.Board.begin(), g_.game.Board.end(), blocked.begin(),
                       [](int cell) { return cell == kObstacle; });
        for (int i = 1; i < g_.Head(player); ++i) {
            blocked.at(g_.Cells(player).at(i)) = true;
        }
        const int other = 3 - player;
        if (!g_.game.OnePlayer && g_.window.collide) {
            for (int i = 0; i <= g_.Head(other); ++i) {
                blocked.at(g_.Cells(other).at(i)) = true;
            }
        }
        return blocked;
    }

    // Free cells reachable from `start`, counted up to `enough`.
    static int Room(int start, const CellFlags& blocked, int enough) {
        CellFlags seen = blocked;
        std::array<int, kCells> open; // each cell enters once at most
        std::size_t size = 0;
        open[size++] = start;
        seen.at(start) = true;
        int count = 0;
        while (size > 0 && count < enough) {
            const int cell = open[--size];
            ++count;
            for (int next : Neighbours()[cell]) {
                if (!seen[next]) {
                    seen[next] = true;
                    open[size++] = next;
                }
            }
        }
        return count;
    }

    // Steps to the nearest of the target cells, over free cells, for every
    // cell up to the head.
    static std::array<int, kCells> Distances(const int* first, const int* last,
                                             const CellFlags& blocked, int head) {
        std::array<int, kCells> distance;
        distance.fill(-1);
        std::array<int, kCells> queue; // each cell enters once at most
        std::size_t size = 0;
        for (const int* target = first; target != last; ++target) {
            if (distance.at(*target) < 0) {
                distance.at(*target) = 0;
                queue[size++] = *target;
            }
        }
        for (std::size_t i = 0; i < size && distance[head] < 0; ++i) {
            const int cell = queue[i];
            for (int next : Neighbours()[cell]) {
                if (distance[next] < 0 && (!blocked[next] || next == head)) {
                    distance[next] = distance[cell] + 1;
                    queue[size++] = next;
                }
            }
        }
        return distance;
    }

    // Turns towards the nearest target along free cells, keeping clear of
    // moves into a space too small for the snake.
    void Steer(int player, const int* first, const int* last, const std::array<int, 5>& own) {
        const CellFlags blocked = Blocked(player);
        const int head = g_.HeadCell(player);
        const int dir = g_.Dirs(player).at(g_.Head(player));
        if (dir < kRight || dir > kDown) {
            return;
        }
        const std::array<int, kCells> distance = Distances(first, last, blocked, head);
        const auto cost = [&](int d) {
            const int next = Neighbour(head, d);
            if (blocked.at(next)) {
                return kCells * 2;
            }
            return distance.at(next) < 0 ? kCells : distance.at(next);
        };
        const bool vertical = dir > 2;
        std::array<int, 3> moves{dir, vertical ? kRight : kUp, vertical ? kLeft : kDown};
        std::stable_sort(moves.begin(), moves.end(),
                         [&](int a, int b) { return cost(a) < cost(b); });
        const int length = g_.Head(player) + 1;
        int best = moves.front();
        if (Room(Neighbour(head, best), blocked, length) < length) {
            int bestRoom = -1;
            for (int d : moves) {
                const int room =
                    blocked.at(Neighbour(head, d)) ? -1 : Room(Neighbour(head, d), blocked, length);
                if (room > bestRoom) {
                    bestRoom = room;
                    best = d;
                }
            }
        }
        TurnTo(player, best, own);
    }

    void SteerToFood(int player, const std::array<int, 5>& own) {
        Steer(player, &g_.game.FoodCell, &g_.game.FoodCell + 1, own);
    }

    // Rides along the other snake when the head is on it, so that it stays
    // black; otherwise heads for the other snake's body.
    void Hunt(int player, const std::array<int, 5>& own) {
        const int other = 3 - player;
        const int head = g_.HeadCell(player);
        const int dir = g_.Dirs(player).at(g_.Head(player));
        const auto& prey = g_.Cells(other);
        const int preyHead = g_.Head(other);
        for (int k = preyHead; k >= 0; --k) {
            if (prey.at(k) != head) {
                continue;
            }
            int ahead = 0;
            if (k == preyHead) {
                ahead = g_.Dirs(other).at(preyHead);
            } else {
                int j = k + 1;
                while (j < preyHead && prey.at(j) == head) {
                    ++j;
                }
                ahead = DirectionTo(head, prey.at(j));
            }
            if (ahead >= kRight && ahead <= kDown && ahead != Opposite(dir) &&
                !Blocked(player).at(Neighbour(head, ahead))) {
                TurnTo(player, ahead, own);
                return;
            }
            break;
        }
        Steer(player, prey.data(), prey.data() + preyHead + 1, own);
    }

    void TurnTo(int player, int dir, const std::array<int, 5>& own) {
        for (std::size_t k = 0; k < 4; ++k) {
            g_.window.taps.erase(own.at(k));
            g_.window.Release(own.at(k));
        }
        if (g_.Dirs(player).at(g_.Head(player)) != dir) {
            g_.window.Tap(SteeringKey(player, dir));
        }
    }

    TestGame& g_;
    std::mt19937 random_;
    std::array<Style, 2> style_{Style::Random, Style::Random};
    int stretchLeft_ = 0;
};

// Everything that must hold between ticks, whatever was played.
::testing::AssertionResult Consistent(TestGame& g, const std::array<int, 2>& eatenBefore,
                                      bool ended) {
    const SnakeGame& game = g.game;
    if (game.Level < 1 || game.Level > 7) {
        return ::testing::AssertionFailure() << "level " << game.Level;
    }
    if (ObstacleCount(game.Board) != kObstacleCounts.at(static_cast<std::size_t>(game.Level))) {
        return ::testing::AssertionFailure()
               << "the board is not the layout of level " << game.Level;
    }
    if (!g.window.timerEnabled) {
        return ::testing::AssertionFailure() << "the timer is stopped";
    }
    const int food = game.FoodCell;
    if (food < 100 || food > 799 || game.Board.at(food) == kObstacle ||
        game.TableBlock.at(food) != game.Templates.FBlock) {
        return ::testing::AssertionFailure() << "food at " << food;
    }
    for (int player : {1, 2}) {
        const float power = g.Power(player);
        if (power < 70 || power > kFullPower || std::fmod(kFullPower - power, 100.0f) != 0) {
            return ::testing::AssertionFailure() << "power " << power << " of " << player;
        }
        const float score = g.Score(player);
        if (score < 0 || std::fmod(score, 100.0f) != 0) {
            return ::testing::AssertionFailure() << "score " << score << " of " << player;
        }
        if (player == 2 && game.OnePlayer) {
            continue;
        }
        const auto& cells = g.Cells(player);
        const int head = g.Head(player);
        if (head < 5 || head > 105) {
            return ::testing::AssertionFailure() << "snake " << player << " of " << head + 1;
        }
        for (int i = 0; i <= head; ++i) {
            if (cells.at(i) < 0 || cells.at(i) >= kCells) {
                return ::testing::AssertionFailure() << "snake " << player << " off the board";
            }
            if (cells.at(i) == food) {
                return ::testing::AssertionFailure() << "food under snake " << player;
            }
        }
        for (int i = 1; i < head; ++i) {
            if (!AreNeighbours(cells.at(i), cells.at(i + 1))) {
                return ::testing::AssertionFailure() << "snake " << player << " torn at " << i;
            }
        }
        const bool justAte = g.Eaten(player) > eatenBefore.at(player - 1) || ended;
        if (!AreNeighbours(cells.at(0), cells.at(1)) &&
            !(justAte && cells.at(0) == cells.at(head))) {
            return ::testing::AssertionFailure() << "snake " << player << " torn at its tail";
        }
    }
    return ::testing::AssertionSuccess();
}

// A long game of random keys and option changes, steered now and then
// towards food and the other snake, never breaks the game's invariants and
// reaches every kind of ending.
TEST(Soak, RandomPlayKeepsTheGameConsistentAndReachesEveryEnding) {
    TestGame g(20260);
    Driver driver(g, 4242);
    std::array<int, kKinds> endings{};
    int endingsThisTick = 0;
    g.window.onEndScreen = [&] {
        ++endingsThisTick;
        const EndScreenContent& shown = g.window.endScreens.back();
        const auto kind = KindOf(shown, g.window.name1, g.window.name2, g.game.OnePlayer);
        ASSERT_TRUE(kind.has_value()) << "unexpected end screen";
        ++endings.at(*kind);
        EXPECT_FALSE(g.window.timerEnabled);
        EXPECT_EQ(g.game.Score1 + g.game.Score2, 0);
        EXPECT_EQ(g.game.Eaten1 + g.game.Eaten2, 0);
        // The next level's layout is laid only when the screen goes away.
        if (*kind == NextLevel) {
            EXPECT_EQ(shown.level, g.game.Level);
            EXPECT_EQ(ObstacleCount(g.game.Board),
                      kObstacleCounts.at(static_cast<std::size_t>(g.game.Level - 1)));
        } else {
            EXPECT_EQ(g.game.Level, 1);
        }
        if (*kind == CampaignOver) {
            EXPECT_EQ(ObstacleCount(g.game.Board), 0);
        }
    };

    for (int tick = 0; tick < kTicks; ++tick) {
        driver.BeforeTick();
        const std::array<int, 2> eatenBefore{g.game.Eaten1, g.game.Eaten2};
        endingsThisTick = 0;
        g.window.queries.clear();
        g.window.endScreens.clear();
        g.Tick();
        ASSERT_TRUE(Consistent(g, eatenBefore, endingsThisTick > 0)) << "after tick " << tick;
        ASSERT_FALSE(HasFatalFailure()) << "after tick " << tick;
    }
    for (int kind = 0; kind < kKinds; ++kind) {
        RecordProperty(kKindNames.at(static_cast<std::size_t>(kind)), endings.at(kind));
        EXPECT_GT(endings.at(kind), 0) << kKindNames.at(static_cast<std::size_t>(kind));
    }
}

} // namespace
} // namespace zorvik
