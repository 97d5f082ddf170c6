// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// A libFuzzer target: each input is a whole session with the engine, from
// start-up through option changes, new games on any level, key states
// for every tick and end screens, with every invariant checked after every
// tick.
#include "invariants.h"

#include "computer/computer_player.h"
#include "tests/kit/scripted_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <tuple>

namespace zorvik::fuzz {

namespace {

const BoardPictures kBoardPictures{{1}, {2}, {{{3}, {4}, {5}, {6}, {7}}}};

// A session ends after this many ticks, so that no input runs for long.
constexpr int kMostTicks = 20000;

std::uint64_t ticksPlayed = 0;

void ReportTicks() {
    std::fprintf(stderr, "zorvik_engine_fuzz: %llu ticks played\n",
                 static_cast<unsigned long long>(ticksPlayed));
}

bool Exists(int speedStep) {
    return speedStep >= 0 && speedStep < static_cast<int>(kSpeedSteps.size());
}

Picture PictureFrom(FuzzedDataProvider& input, int base) {
    return {
        static_cast<std::uint16_t>(base + input.ConsumeIntegralInRange(0, kPictureChoices - 1))};
}

// Any options a window could send, and speed steps none sends.
GameOptions OptionsFrom(FuzzedDataProvider& input) {
    GameOptions options;
    options.twoPlayers = input.ConsumeBool();
    options.campaign = input.ConsumeBool();
    options.snakesCollide = input.ConsumeBool();
    options.speedStep = input.ConsumeIntegralInRange(-2, 9);
    options.snake1 = PictureFrom(input, kSnakePictureBase);
    options.snake2 = PictureFrom(input, kSnakePictureBase);
    options.obstacle = PictureFrom(input, kTilePictureBase);
    return options;
}

class Session {
public:
    explicit Session(FuzzedDataProvider& input)
        : input_(input), game_(window_, kBoardPictures, input.ConsumeIntegral<std::uint32_t>()) {
        window_.onEndScreen = [this] { EndScreen(window_.shown.back()); };
    }

    void Play() {
        const GameOptions first = OptionsFrom(input_);
        if (!Change(Exists(first.speedStep), [&] { game_.Start(first); })) {
            game_.Start(GameOptions{});
        }
        while (input_.remaining_bytes() > 0 && ticks_ < kMostTicks) {
            Act();
        }
    }

private:
    void Act() {
        switch (input_.ConsumeIntegralInRange(0, 9)) {
        case 0:
        case 1:
        case 2:
            for (int n = input_.ConsumeIntegralInRange(1, 64); n > 0; --n) {
                Tick(input_.ConsumeIntegral<std::uint16_t>());
            }
            break;
        case 3: {
            const std::uint16_t held = input_.ConsumeIntegral<std::uint16_t>();
            for (int n = input_.ConsumeIntegralInRange(1, 256); n > 0; --n) {
                Tick(held);
            }
            break;
        }
        case 4: {
            // The computer steers both snakes towards the food, so that play
            // reaches long snakes, later levels and the endings of a won game;
            // bits 0 and 1 hold player 1's and 2's bite besides.
            const auto choice = input_.ConsumeIntegralInRange(0, 3);
            const auto bites = static_cast<std::uint16_t>((choice & 1 ? 1U << 4 : 0U) |
                                                          (choice & 2 ? 1U << 9 : 0U));
            for (int n = input_.ConsumeIntegralInRange(1, 1000); n > 0; --n) {
                Tick(bites, true);
            }
            break;
        }
        case 5: {
            const int step = input_.ConsumeIntegralInRange(-2, 9);
            Change(Exists(step), [&] { game_.SetSpeedStep(step); });
            break;
        }
        case 6:
        case 7:
            game_.SetSnakesCollide(input_.ConsumeBool());
            break;
        case 8: {
            const GameOptions options = OptionsFrom(input_);
            if (Change(Exists(options.speedStep), [&] { game_.StartGame(options); })) {
                Require(game_.options() == options, "a new game on other options");
                CheckFreshGame(game_, window_.interval);
            }
            break;
        }
        default: {
            const GameOptions options = OptionsFrom(input_);
            const int level = input_.ConsumeIntegralInRange(-1, 9);
            const bool playable = Exists(options.speedStep) && level >= 1 && level <= 7;
            if (Change(playable, [&] { game_.StartGameOnLevel(options, level); })) {
                Require(game_.level() == (options.campaign ? level : 1), "a game on another level");
                CheckFreshGame(game_, window_.interval);
            }
        }
        }
    }

    // Makes a change the engine must take when `playable` and refuse with
    // nothing changed otherwise; returns whether it was taken.
    template <typename Call> bool Change(bool playable, Call call) {
        if (playable) {
            call();
            Require(window_.interval == game_.options().TimerInterval(),
                    "timer and scoring speeds differ");
            return true;
        }
        // Everything of the game a refused call must leave as it was.
        const auto state = [this] {
            return std::tuple(game_.options(), game_.level(), game_.foodCell(), window_.interval,
                              game_.player(1).score, game_.player(2).score, game_.obstacles());
        };
        const auto before = state();
        try {
            call();
            Require(false, "an option that cannot be played accepted");
        } catch (const std::out_of_range&) {
            Require(state() == before, "a refused call changed the game");
        }
        return false;
    }

    // Holds the actions whose bits are set, and only those: player 1's then
    // player 2's, in the order of the requests an input gives for a tick
    // (from keys or pads alike).
    void Hold(std::uint16_t actions) {
        window_.held.clear();
        for (int k = 0; k < 10; ++k) {
            if ((actions >> k & 1U) != 0) {
                window_.held.insert({k < 5 ? 1 : 2, static_cast<PlayerAction>(k % 5)});
            }
        }
    }

    void Tick(std::uint16_t actions, bool computerSteers = false) {
        Hold(actions);
        window_.taps.clear();
        for (int number : {1, 2}) {
            ComputerPlayer& computer = computers_.at(static_cast<std::size_t>(number - 1));
            if (const auto action = computerSteers ? computer.ChooseAction(game_) : std::nullopt) {
                window_.taps.insert({number, *action});
            }
        }
        window_.shown.clear();
        const std::array<Player, 2> before{game_.player(1), game_.player(2)};
        ended_ = false;
        staleCellsMayShow_ = false;
        game_.Tick();
        ++ticksPlayed;
        ++ticks_;
        CheckAfterTick(game_, window_.interval, window_.timerOn, staleCellsMayShow_);
        if (ended_) {
            return;
        }
        const TickEvents& events = game_.tickEvents();
        for (TickEvent ending : {TickEvent::NextLevel, TickEvent::CampaignWon,
                                 TickEvent::ClassicWon, TickEvent::GameOver}) {
            Require(!events.Has(ending), "an ending heard in a tick that did not end");
        }
        // A meal scores by the speed the timer runs at; no meal, no points.
        const int points = 1000 - (window_.interval / 25 - 1) * 100;
        bool powerFell = false;
        bool ate = false;
        for (int number : {1, 2}) {
            const Player& now = game_.player(number);
            const Player& was = before.at(static_cast<std::size_t>(number - 1));
            const int meals = now.eaten - was.eaten;
            Require(meals == 0 || meals == 1, "more than one meal in a tick");
            Require(now.score == was.score + static_cast<float>(meals * points),
                    "a meal scored other than its speed pays");
            const TickEvent meal = number == 1 ? TickEvent::Player1Ate : TickEvent::Player2Ate;
            Require(events.Has(meal) == (meals == 1), "a meal heard other than eaten");
            powerFell = powerFell || now.power < was.power;
            ate = ate || meals == 1;
        }
        // Power falls only by bites, and the tick says when one took some; a
        // meal in the same tick may give it back.
        Require(!powerFell || events.Has(TickEvent::BiteTookPower), "a bite not heard");
        Require(!events.Has(TickEvent::BiteTookPower) || powerFell || ate,
                "a bite heard that took nothing");
    }

    // Dismissed at once, or after a while in which the held actions changed:
    // the rest of the tick reads the actions of the moment it goes.
    void EndScreen(const EndScreenContent& content) {
        CheckWhileEndScreenShown(game_, window_.timerOn, content);
        Require(game_.tickEvents().Has(EndingEvent(content.picture)), "an ending not heard");
        ended_ = true;
        staleCellsMayShow_ =
            staleCellsMayShow_ ||
            (content.picture == EndPicture::GameOver &&
             (!content.message || content.message->outcome != Outcome::BittenToDeath));
        if (input_.ConsumeBool()) {
            Hold(input_.ConsumeIntegral<std::uint16_t>());
        }
    }

    FuzzedDataProvider& input_;
    testkit::ScriptedWindow window_;
    SnakeGame game_;
    bool ended_ = false;
    bool staleCellsMayShow_ = false;
    int ticks_ = 0;
    std::array<ComputerPlayer, 2> computers_{ComputerPlayer(1), ComputerPlayer(2)};
};

} // namespace

} // namespace zorvik::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::atexit(zorvik::fuzz::ReportTicks);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    zorvik::fuzz::Session(input).Play();
    return 0;
}
