// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/board.h"
#include "engine/game_options.h"
#include "engine/game_window.h"
#include "engine/picture.h"
#include "engine/tick_events.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace zorvik {

namespace testkit {
struct GameAccess;
}

// The board pictures that no option changes.
struct BoardPictures {
    Picture empty;
    // A head lying on the other snake: its player may bite.
    Picture blackHead;
    std::array<Picture, 5> foods{};
};

// A snake's cells tail first, the head at `headIndex`, and beside each cell
// the direction its segment last moved in. Only the head's direction steers.
struct Snake {
    Cells cells{};
    Cells directions{};
    int headIndex = 0;
    int startCell = 0;

    int HeadCell() const { return cells.at(static_cast<std::size_t>(headIndex)); }
};

// A player's snake and standing in the current game.
struct Player {
    Snake snake;
    float score = 0;
    int eaten = 0;
    float power = kFullPower;
};

// The whole game: board, snakes, food, scores and power, played one tick at a
// time. What each cell shows is kept as a picture handle per cell, so a
// window paints the board from this object alone; everything only a window
// can give comes through `GameWindow`. Windows read the game through the
// const accessors and change it through the named operations.
class SnakeGame {
public:
    SnakeGame(GameWindow& window, const BoardPictures& pictures, std::uint32_t seed);

    // Program start-up: a first game with these options on the open board of
    // level 1, the board painted, and the timer running at the options' speed.
    void Start(const GameOptions& options);

    // One timer tick: actions, end checks, repaint, move, draw, collide, eat.
    void Tick();

    // The start calls refuse a speed step or level that does not exist
    // (std::out_of_range) and then change nothing; a classic game is always
    // played on level 1, whatever level it is started on.

    // A new game with these options on the board as it is laid.
    void StartGame(const GameOptions& options);
    // Lays the layout of `level` (1 to 7), then starts a new game on it.
    void StartGameOnLevel(const GameOptions& options, int level);

    // Options that act from the next tick on without a new game.
    void SetSpeedStep(int step);
    void SetSnakesCollide(bool collide);
    void SetPlayerNames(const std::string& player1, const std::string& player2);

    const GameOptions& options() const { return options_; }
    // The names the players typed, player 1 or 2; "Player1" and "Player2" at start.
    const std::string& playerName(int number) const;
    int level() const { return level_; }
    // Player 1 or 2.
    const Player& player(int number) const;
    int foodCell() const { return foodCell_; }
    const ObstacleMap& obstacles() const { return obstacles_; }
    // The picture each cell shows, as the game last painted it.
    const std::array<Picture, kCells>& cellPictures() const { return cellPictures_; }
    const BoardPictures& boardPictures() const { return pictures_; }
    // Player 2's score is shown in two-player games only.
    bool player2ScoreShown() const { return player2ScoreShown_; }
    // What the tick in progress, or else the last one, has done so far: an
    // ending is in it while its end screen is up.
    const TickEvents& tickEvents() const { return tickEvents_; }

private:
    friend struct testkit::GameAccess;

    void UseOptions(const GameOptions& options);
    void Reset();
    void LayObstacles();
    void RepaintEmptyCells();
    void ReadActions();
    void MoveSnakes();
    void DrawSnakes();
    void CheckCollisions();
    void EatFood();
    void PlaceFood();

    void CheckEndOfLevel();
    void ReadPlayerActions(Player& self, Player& other, int number);
    void Bite(Player& victim);
    void EndByBite(const Player& victim);
    void Move(Snake& snake);
    // True when the head of `self` met something that ended the game.
    bool CheckHead(Player& self, Player& other);
    void Eat(Player& player, float refill);

    // The start of every ending: the timer stops and a new game starts on
    // `levelAfter`, whose layout is laid only once the end screen is gone.
    void BeginEnding(int levelAfter);
    // Shows the end screen, then lays the layout of the level in force and
    // runs the timer again.
    void ShowEndScreen(const EndScreenContent& content);
    int NumberOf(const Player& player) const { return IsFirst(player) ? 1 : 2; }
    bool IsFirst(const Player& player) const { return &player == &players_[0]; }

    GameWindow* window_;
    BoardPictures pictures_;
    std::mt19937 random_;

    GameOptions options_;
    std::array<std::string, 2> names_{"Player1", "Player2"};
    int level_ = 1;
    std::array<Player, 2> players_{};
    ObstacleMap obstacles_{};
    int foodCell_ = 0;
    Picture food_;
    std::array<Picture, kCells> cellPictures_{};
    bool player2ScoreShown_ = false;
    TickEvents tickEvents_;
};

} // namespace zorvik
