// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "invariants.h"

#include "engine/obstacle_layouts.h"
#include "tests/kit/wrapped_board.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace zorvik::fuzz {

namespace {

constexpr int kMostSegments = 106;
constexpr int kFirstHeadIndex = 5;
constexpr float kLeastPower = 70;
constexpr float kFull = 2370;

using namespace testkit;

bool IsTile(Picture picture) {
    return picture.id >= kTilePictureBase && picture.id < kTilePictureBase + kPictureChoices;
}

// Power, score and the count of food eaten of both players; the body of each
// snake in play.
void CheckPlayers(const SnakeGame& game) {
    const int mostEaten = game.options().campaign ? 25 : 100;
    for (int number : {1, 2}) {
        const Player& p = game.player(number);
        Require(p.power >= kLeastPower && p.power <= kFull, "power out of range");
        Require(std::fmod(kFull - p.power, 100.0f) == 0, "power not 2370 less hundreds");
        Require(p.score >= 0 && std::fmod(p.score, 100.0f) == 0, "score not whole hundreds");
        Require(p.eaten >= 0 && p.eaten <= mostEaten, "more food eaten than a game allows");
        const Snake& snake = p.snake;
        Require(snake.headIndex >= 0 && snake.headIndex < kMostSegments, "a snake longer than 106");
        for (int i = 0; i <= snake.headIndex; ++i) {
            const int cell = snake.cells.at(static_cast<std::size_t>(i));
            Require(cell >= 0 && cell < kCells, "a snake cell outside 0 to 899");
        }
        if (!InPlay(game, number)) {
            continue; // the idle second snake only turns its head
        }
        Require(snake.headIndex == kFirstHeadIndex + p.eaten, "length and meals disagree");
        // Each segment lies one step on from the one behind it, in that one's
        // direction; a meal's duplicate of the head waits at the tail for a tick.
        for (int i = 0; i < snake.headIndex; ++i) {
            const auto at = static_cast<std::size_t>(i);
            const int dir = snake.directions.at(at);
            Require(dir >= kRight && dir <= kDown, "a segment without a direction");
            const bool growing = i == 0 && snake.cells[0] == snake.HeadCell();
            Require(growing || snake.cells.at(at + 1) == Neighbour(snake.cells[at], dir),
                    "snake segments that do not touch on the wrapped board");
        }
    }
}

// The timer, the level and its layout, the food and the players of a game
// in play.
void CheckGame(const SnakeGame& game, int timerInterval) {
    Require(timerInterval == game.options().TimerInterval(), "timer and scoring speeds differ");
    Require(game.level() >= 1 && game.level() <= 7, "level outside 1 to 7");
    Require(game.options().campaign || game.level() == 1, "a classic game off level 1");
    ObstacleMap laid{};
    LayLevel(game.level(), laid);
    Require(game.obstacles() == laid, "obstacles other than the level's layout");
    Require(FoodIsValid(game), "food outside cells 100 to 799, on a wall or a snake");
    CheckPlayers(game);
}

// What a cell shows by the rules: an obstacle its tile, else a head lying on
// the other snake black, else snake 2 over snake 1, else the food or empty.
// Where stale cells may show, only the snakes and the food are compared.
void CheckPictures(const SnakeGame& game, bool staleCellsMayShow) {
    const auto& shown = game.cellPictures();
    const auto food = static_cast<std::size_t>(game.foodCell());
    std::array<std::optional<Picture>, kCells> rule;
    rule.fill(staleCellsMayShow ? std::nullopt : std::optional(game.boardPictures().empty));
    rule[food] = shown[food]; // which of the foods, FoodIsValid knows
    for (int number : {1, 2}) {
        const Snake& snake = game.player(number).snake;
        for (int i = 0; InPlay(game, number) && i <= snake.headIndex; ++i) {
            rule.at(static_cast<std::size_t>(snake.cells.at(static_cast<std::size_t>(i)))) =
                number == 1 ? game.options().snake1 : game.options().snake2;
        }
    }
    for (int number : {1, 2}) {
        const int head = game.player(number).snake.HeadCell();
        if (game.options().twoPlayers && !staleCellsMayShow &&
            Covers(game.player(3 - number).snake, head)) {
            rule.at(static_cast<std::size_t>(head)) = game.boardPictures().blackHead;
        }
    }
    std::optional<Picture> tile;
    for (std::size_t c = 0; c < kCells; ++c) {
        if (game.obstacles()[c] == kObstacle) {
            Require(IsTile(shown[c]) && shown[c] == tile.value_or(shown[c]),
                    "walls that do not all show one tile");
            tile = shown[c];
        } else {
            Require(shown[c] == rule[c].value_or(shown[c]),
                    "a cell shows other than the rules say");
        }
    }
}

void CheckFresh(const SnakeGame& game) {
    for (int number : {1, 2}) {
        const Player& p = game.player(number);
        Require(p.score == 0 && p.eaten == 0 && p.power == kFull, "a new game not fresh");
        if (InPlay(game, number)) {
            Require(p.snake.headIndex == kFirstHeadIndex &&
                        p.snake.HeadCell() == (number == 1 ? 105 : 165),
                    "a new game's snake off its start");
        }
    }
}

} // namespace

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "engine invariant broken: %s\n", what);
        std::abort();
    }
}

void CheckAfterTick(const SnakeGame& game, int timerInterval, bool timerOn,
                    bool staleCellsMayShow) {
    Require(timerOn, "the timer stopped after a tick");
    CheckGame(game, timerInterval);
    CheckPictures(game, staleCellsMayShow);
}

void CheckWhileEndScreenShown(const SnakeGame& game, bool timerOn,
                              const EndScreenContent& content) {
    Require(!timerOn, "the timer runs behind an end screen");
    CheckFresh(game);
    CheckPlayers(game);
    // The food was placed against the layout still laid, which the
    // dismissal replaces by the level's own.
    Require(FoodIsValid(game), "food outside cells 100 to 799, on a wall or a snake");
    // A next level screen names the level to come; every other ending goes
    // back to level 1, a win only of its own game type.
    const bool next = content.picture == EndPicture::NextLevel;
    Require(next == content.level.has_value(), "a level number on a screen that has none");
    Require(game.level() == (next ? *content.level : 1), "an end screen on another level");
    Require(content.picture == EndPicture::GameOver ||
                game.options().campaign == (content.picture != EndPicture::ClassicWon),
            "a win of the other game type");
    if (content.message) {
        const EndMessage& message = *content.message;
        const bool collided = message.outcome == Outcome::Collided;
        Require(game.options().twoPlayers && (message.player == 1 || message.player == 2) &&
                    message.otherPlayer == (collided ? 3 - message.player : 0),
                "an end message naming nobody");
    }
}

void CheckFreshGame(const SnakeGame& game, int timerInterval) {
    CheckGame(game, timerInterval);
    CheckFresh(game);
}

} // namespace zorvik::fuzz
