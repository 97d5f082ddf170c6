// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/board.h"
#include "engine/game_window.h"
#include "engine/picture.h"

#include <array>
#include <cstdint>
#include <random>
#include <string>

namespace zorvik {

// The pictures that the engine copies into board cells. The window fills them
// in before `Form_Load`; the settings window later replaces `SBlock`, `IM2P`
// and `Obs`.
struct CellPictures {
    Picture BBlock;                // an empty cell
    Picture SBlock;                // player 1's snake
    Picture IM2P;                  // player 2's snake
    Picture colpic;                // a black head
    Picture Obs;                   // an obstacle
    Picture FBlock;                // the food on the board
    std::array<Picture, 5> FPIC{}; // the five foods
};

// The whole game: board, snakes, food, scores and power, played one tick at
// a time. It holds no widget: what each cell shows is kept in `TableBlock` as
// picture handles, and everything else it needs comes through `GameWindow`.
class SnakeGame {
public:
    using Cells = std::array<int, kCells>;

    SnakeGame(GameWindow& window, const CellPictures& pictures, std::uint32_t seed);

    // Start-up: the default options, a first game, the first board repaint
    // and the timer at its first interval.
    void Form_Load();

    // One timer tick: keys, end checks, repaint, move, draw, collide, eat.
    void Tick();

    void Reset();
    void SetObstacles();
    void TABLE();
    void ReadKeys();
    void MoveSnake();
    void DrawSnake();
    void Collide();
    void EatFood();
    void MakeFood();
    void BittenToDeath(const std::string& victim);

    // The options that the settings window writes.
    bool CampaignMode = false;
    int Level = 1;
    bool OnePlayer = true;

    // Snakes: cells tail first, the head at index `SnakeNHead`.
    Cells Snake1{};
    Cells Snake1Dir{};
    int Snake1Head = 5;
    int Snake1Start = 105;
    Cells Snake2{};
    Cells Snake2Dir{};
    int Snake2Head = 0;
    int Snake2Start = 0;

    ObstacleMap Board{};
    int FoodCell = 0;

    float Score1 = 0;
    float Score2 = 0;
    int Eaten1 = 0;
    int Eaten2 = 0;

    // Power: the width in twips of each player's power bar.
    float Power1 = kFullPower;
    float Power2 = kFullPower;

    // Whether player 2's score is shown; `Reset` sets it.
    bool Score2Shown = false;

    // What each cell shows, and the templates it is painted from.
    std::array<Picture, kCells> TableBlock{};
    CellPictures Templates;

private:
    // One player's snake and counters, so both players share one code path.
    struct Player {
        Cells& snake;
        Cells& dir;
        int& head;
        float& score;
        int& eaten;
        float& power;
        int number;
    };
    Player First();
    Player Second();

    void ReadPlayerKeys(Player self, Player victim, const std::array<int, 5>& keys);
    void Bite(Player victim);
    void Move(Player snake);
    bool Scan(Player self, Player other); // true when the scan ended the game
    void Eat(Player player, float refill);

    // Stops the timer before an ending's game-state steps.
    void StopTimer();
    // Shows the end screen, then runs its dismissal steps.
    void ShowEndScreen(const EndScreenContent& content);
    std::string Name(int player) const;

    GameWindow* window_;
    std::mt19937 random_;
};

} // namespace zorvik
