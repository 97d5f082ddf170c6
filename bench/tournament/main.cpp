// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The computer opponent's tournament: seeded games played through the engine
// alone at the default speed, each side acting through the players' actions.
#include "matches.h"

#include <chrono>
#include <cstdio>

namespace {

using zorvik::tournament::Opponent;
using zorvik::tournament::Tally;

constexpr int kGames = 1000;
constexpr double kTickMinutes = 150.0 / 60000.0;

double Percent(int part, int whole) {
    return 100.0 * part / whole;
}

double PerMinute(long long food, long long ticks) {
    return static_cast<double>(food) / (static_cast<double>(ticks) * kTickMinutes);
}

template <typename Play> Tally PlayAll(Play play) {
    Tally all;
    for (int seed = 1; seed <= kGames; ++seed) {
        all.Add(play(static_cast<std::uint32_t>(seed)));
    }
    return all;
}

Tally Duels(const char* opponentName, Opponent opponent, bool collide) {
    const Tally t = PlayAll(
        [&](std::uint32_t seed) { return zorvik::tournament::PlayDuel(seed, opponent, collide); });
    std::printf("against the %s, collide %s: the computer won %.1f %% of %d games (%d capped); "
                "food a minute %.2f computer, %.2f %s\n",
                opponentName, collide ? "on " : "off", Percent(t.computerWins, t.games), t.games,
                t.capped, PerMinute(t.computerFood, t.ticks), PerMinute(t.opponentFood, t.ticks),
                opponentName);
    return t;
}

} // namespace

int main() {
    const auto start = std::chrono::steady_clock::now();
    std::printf("Two-player campaign games at 150 ms a tick, seeds 1 to %d, the computer as "
                "player 2, each game up to its first end screen:\n",
                kGames);
    Tally all;
    for (const bool collide : {false, true}) {
        all.Add(Duels("food chaser", Opponent::FoodChaser, collide));
    }
    for (const bool collide : {false, true}) {
        all.Add(Duels("styled rival", Opponent::StyledRival, collide));
    }
    const Tally alone = PlayAll(zorvik::tournament::PlayAlone);
    all.Add(alone);
    std::printf("alone, one-player campaigns through all seven levels: won %.1f %% of %d (%d "
                "capped), %d deaths while a move with room for its length existed; %.2f food a "
                "minute\n",
                Percent(alone.computerWins, alone.games), alone.games, alone.capped,
                alone.avoidableDeaths, PerMinute(alone.computerFood, alone.ticks));
    std::printf("the computer's choice: %.2f us on average over %lld choices\n",
                1e6 * all.choiceSeconds / static_cast<double>(all.choices), all.choices);
    std::printf("run time %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}
