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
constexpr std::array<int, 2> kStartHeads{105, 165};

using testkit::InPlay;
using testkit::Neighbour;

bool IsTile(Picture picture) {
    return picture.id >= kTilePictureBase && picture.id < kTilePictureBase + kPictureChoices;
}

void CheckFood(const SnakeGame& game) {
    Require(testkit::FoodIsValid(game), "food outside cells 100 to 799, on a wall or a snake");
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

void CheckLevel(const SnakeGame& game) {
    Require(game.level() >= 1 && game.level() <= 7, "level outside 1 to 7");
    Require(game.options().campaign || game.level() == 1, "a classic game off level 1");
}

void CheckLayout(const SnakeGame& game) {
    ObstacleMap laid{};
    LayLevel(game.level(), laid);
    Require(game.obstacles() == laid, "obstacles other than the level's layout");
}

// What a cell shows by the rules: an obstacle its tile, else a head lying on
// the other snake black, else snake 2 over snake 1, else the food or empty.
// Where stale cells may show, only the snakes and the food are compared.
void CheckPictures(const SnakeGame& game, bool staleCellsMayShow) {
    const bool both = game.options().twoPlayers;
    std::array<std::array<bool, kCells>, 2> covered{};
    for (int number : {1, 2}) {
        const Snake& snake = game.player(number).snake;
        for (int i = 0; InPlay(game, number) && i <= snake.headIndex; ++i) {
            covered.at(static_cast<std::size_t>(number - 1))
                .at(static_cast<std::size_t>(snake.cells.at(static_cast<std::size_t>(i)))) = true;
        }
    }
    const int head1 = game.player(1).snake.HeadCell();
    const int head2 = game.player(2).snake.HeadCell();
    const auto& shown = game.cellPictures();
    std::optional<Picture> tile;
    for (int c = 0; c < kCells; ++c) {
        const auto at = static_cast<std::size_t>(c);
        const Picture picture = shown[at];
        if (game.obstacles()[at] == kObstacle) {
            Require(IsTile(picture) && picture == tile.value_or(picture),
                    "walls that do not all show one tile");
            tile = picture;
            continue;
        }
        const bool onOne = covered[0][at];
        const bool onTwo = covered[1][at];
        const bool blackHead = both && ((c == head1 && onTwo) || (c == head2 && onOne));
        Picture expected = game.boardPictures().empty;
        if (blackHead && !staleCellsMayShow) {
            expected = game.boardPictures().blackHead;
        } else if (onTwo) {
            expected = game.options().snake2;
        } else if (onOne) {
            expected = game.options().snake1;
        } else if (c == game.foodCell()) {
            expected = picture; // which of the foods, CheckFood knows
        } else if (staleCellsMayShow) {
            continue;
        }
        if (picture != expected) {
            std::fprintf(stderr, "cell %d shows %d\n", c, picture.id);
        }
        Require(picture == expected, "a cell shows other than the rules say");
    }
}

void CheckFresh(const SnakeGame& game) {
    for (int number : {1, 2}) {
        const Player& p = game.player(number);
        Require(p.score == 0 && p.eaten == 0 && p.power == kFull, "a new game not fresh");
        if (InPlay(game, number)) {
            Require(p.snake.headIndex == kFirstHeadIndex &&
                        p.snake.HeadCell() == kStartHeads.at(static_cast<std::size_t>(number - 1)),
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
    Require(timerInterval == game.options().TimerInterval(), "timer and scoring speeds differ");
    CheckLevel(game);
    CheckLayout(game);
    CheckFood(game);
    CheckPlayers(game);
    CheckPictures(game, staleCellsMayShow);
}

void CheckWhileEndScreenShown(const SnakeGame& game, bool timerOn,
                              const EndScreenContent& content) {
    Require(!timerOn, "the timer runs behind an end screen");
    CheckFresh(game);
    CheckPlayers(game);
    // The food was placed against the layout still laid, which the
    // dismissal replaces by the level's own.
    CheckFood(game);
    const bool campaign = game.options().campaign;
    switch (content.picture) {
    case EndPicture::NextLevel:
        Require(campaign && game.level() >= 2 && game.level() <= 7 && content.level == game.level(),
                "a next level screen not naming the level to come");
        break;
    case EndPicture::CampaignWon:
        Require(campaign && game.level() == 1, "a campaign won but not back on level 1");
        break;
    case EndPicture::ClassicWon:
        Require(!campaign && game.level() == 1, "a classic win off level 1");
        break;
    case EndPicture::GameOver:
        Require(game.level() == 1, "a game over not back on level 1");
        break;
    }
    Require(content.picture == EndPicture::NextLevel || !content.level.has_value(),
            "a level number on a screen that has none");
    if (content.message) {
        const EndMessage& message = *content.message;
        const bool collided = message.outcome == Outcome::Collided;
        Require(game.options().twoPlayers && (message.player == 1 || message.player == 2) &&
                    message.otherPlayer == (collided ? 3 - message.player : 0),
                "an end message naming nobody");
    }
}

void CheckFreshGame(const SnakeGame& game, int timerInterval) {
    Require(timerInterval == game.options().TimerInterval(), "timer and scoring speeds differ");
    CheckLevel(game);
    CheckLayout(game);
    CheckFresh(game);
    CheckFood(game);
    CheckPlayers(game);
}

} // namespace zorvik::fuzz
