// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "matches.h"

#include "computer/computer_player.h"
#include "computer/wrapped_steps.h"
#include "scripted_players.h"

#include <array>
#include <chrono>
#include <optional>

namespace zorvik::tournament {

namespace {

const BoardPictures kPictures{{1}, {4}, {{{7}, {8}, {9}, {10}, {11}}}};
// A duel at 150 ms a tick lasts about a minute; this is over an hour.
constexpr int kMostDuelTicks = 30000;
constexpr int kMostCampaignTicks = 200000;

// Each player's one action of the tick, answered once as the main window
// answers it; every end screen is dismissed at once and remembered.
class TournamentWindow : public GameWindow {
public:
    bool ActionRequested(PlayerControl control) override {
        auto& action = actions.at(static_cast<std::size_t>(control.player - 1));
        if (action == control.action) {
            action.reset();
            return true;
        }
        return false;
    }
    void SetTimerEnabled(bool) override {}
    void SetTimerInterval(int) override {}
    void ShowEndScreen(const EndScreenContent& content) override { ending = content; }

    std::array<std::optional<PlayerAction>, 2> actions;
    std::optional<EndScreenContent> ending;
};

GameOptions Options(bool twoPlayers, bool snakesCollide) {
    return {.twoPlayers = twoPlayers,
            .campaign = true,
            .snakesCollide = snakesCollide,
            .snake1 = Picture{2},
            .snake2 = Picture{3},
            .obstacle = Picture{5}};
}

// The computer's choice, timed.
std::optional<PlayerAction> Timed(ComputerPlayer& computer, const SnakeGame& game, Tally& tally) {
    const auto start = std::chrono::steady_clock::now();
    const std::optional<PlayerAction> action = computer.ChooseAction(game);
    tally.choiceSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ++tally.choices;
    return action;
}

// Whether player 2 won a duel that ended on this screen: the other player
// died, or the game ended otherwise with player 2's score the higher.
bool SecondWon(const EndScreenContent& ending, float score1, float score2) {
    if (!ending.message) {
        return score2 > score1;
    }
    const bool namesSecond = ending.message->player == 2;
    return ending.message->outcome == Outcome::Won ? namesSecond : !namesSecond;
}

// Some move keeps room for the whole snake: a cell it may step onto now
// from which, by arrival time, at least its length of cells can be reached,
// a body cell counting as free once its segment has left it.
bool RoomExists(const SnakeGame& game, int player) {
    const Snake& snake = game.player(player).snake;
    std::array<int, kCells> freeAt{};
    for (int c = 0; c < kCells; ++c) {
        freeAt[static_cast<std::size_t>(c)] =
            game.obstacles().at(static_cast<std::size_t>(c)) == kObstacle ? kCells : 0;
    }
    for (int i = 0; i <= snake.headIndex; ++i) {
        auto& at = freeAt.at(static_cast<std::size_t>(snake.cells.at(static_cast<std::size_t>(i))));
        at = std::max(at, i + 1);
    }
    const int length = snake.headIndex + 1;
    for (int dir : computer::kDirections) {
        const int first = computer::Step(snake.HeadCell(), dir);
        if (!MayTake(snake, dir) || freeAt[static_cast<std::size_t>(first)] > 1) {
            continue;
        }
        std::array<int, kCells> arrival{};
        arrival.fill(-1);
        std::array<int, kCells> queue{};
        int end = 0;
        queue[static_cast<std::size_t>(end++)] = first;
        arrival[static_cast<std::size_t>(first)] = 1;
        for (int next = 0; next < end && end < length; ++next) {
            const int cell = queue[static_cast<std::size_t>(next)];
            for (int d : computer::kDirections) {
                const auto n = static_cast<std::size_t>(computer::Step(cell, d));
                const int t = arrival[static_cast<std::size_t>(cell)] + 1;
                if (arrival[n] < 0 && freeAt[n] <= t) {
                    arrival[n] = t;
                    queue[static_cast<std::size_t>(end++)] = static_cast<int>(n);
                }
            }
        }
        if (end >= length) {
            return true;
        }
    }
    return false;
}

} // namespace

void Tally::Add(const Tally& game) {
    games += game.games;
    computerWins += game.computerWins;
    capped += game.capped;
    avoidableDeaths += game.avoidableDeaths;
    ticks += game.ticks;
    computerFood += game.computerFood;
    opponentFood += game.opponentFood;
    choices += game.choices;
    choiceSeconds += game.choiceSeconds;
}

Tally PlayDuel(std::uint32_t seed, Opponent opponent, bool snakesCollide) {
    TournamentWindow window;
    SnakeGame game(window, kPictures, seed);
    game.Start(Options(false, false));
    game.StartGameOnLevel(Options(true, snakesCollide), 1);
    ComputerPlayer computer(2);
    StyledRival rival(seed);
    Tally tally{.games = 1};
    while (tally.ticks < kMostDuelTicks) {
        window.actions[0] =
            opponent == Opponent::FoodChaser ? ChaseFood(game, 1) : rival.Choose(game, 1);
        window.actions[1] = Timed(computer, game, tally);
        const Player before1 = game.player(1);
        const Player before2 = game.player(2);
        game.Tick();
        ++tally.ticks;
        if (window.ending) {
            tally.computerWins = SecondWon(*window.ending, before1.score, before2.score) ? 1 : 0;
            return tally;
        }
        tally.opponentFood += game.player(1).eaten - before1.eaten;
        tally.computerFood += game.player(2).eaten - before2.eaten;
    }
    tally.capped = 1;
    return tally;
}

Tally PlayAlone(std::uint32_t seed) {
    TournamentWindow window;
    SnakeGame game(window, kPictures, seed);
    game.Start(Options(false, false));
    game.StartGameOnLevel(Options(false, false), 1);
    ComputerPlayer computer(1);
    Tally tally{.games = 1};
    while (tally.ticks < kMostCampaignTicks) {
        const bool roomExisted = RoomExists(game, 1);
        window.actions[0] = Timed(computer, game, tally);
        const int eaten = game.player(1).eaten;
        game.Tick();
        ++tally.ticks;
        if (!window.ending) {
            tally.computerFood += game.player(1).eaten - eaten;
            continue;
        }
        const EndPicture picture = window.ending->picture;
        window.ending.reset();
        if (picture == EndPicture::CampaignWon) {
            tally.computerWins = 1;
            return tally;
        }
        if (picture == EndPicture::GameOver) {
            tally.avoidableDeaths = roomExisted ? 1 : 0;
            return tally;
        }
    }
    tally.capped = 1;
    return tally;
}

} // namespace zorvik::tournament
