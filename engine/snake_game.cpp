// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

#include <stdexcept>

namespace zorvik {

namespace {
constexpr int kFoodPerLevel = 25;
constexpr int kLastLevel = 7;
constexpr int kFoodPerClassicGame = 100;
constexpr int kFirstHeadIndex = 5;
constexpr std::array<int, 2> kStartCells{105, 165};
} // namespace

SnakeGame::SnakeGame(GameWindow& window, const BoardPictures& pictures, std::uint32_t seed)
    : window_(&window), pictures_(pictures), random_(seed), food_(pictures.foods[0]) {}

void SnakeGame::Start(const GameOptions& options) {
    const int interval = options.TimerInterval(); // refuses a step that does not exist
    options_ = options;
    level_ = 1;
    Reset();
    RepaintEmptyCells();
    window_->SetTimerEnabled(true);
    window_->SetTimerInterval(interval);
}

void SnakeGame::Tick() {
    tickEvents_ = {};
    ReadActions();
    CheckEndOfLevel();
    RepaintEmptyCells();
    MoveSnakes();
    DrawSnakes();
    CheckCollisions();
    EatFood();
}

// A campaign level ends when either player's count of food reaches 25; a
// classic game when either has eaten 100.
void SnakeGame::CheckEndOfLevel() {
    const int eaten1 = players_[0].eaten;
    const int eaten2 = players_[1].eaten;
    if (options_.campaign) {
        if (eaten1 == kFoodPerLevel || eaten2 == kFoodPerLevel) {
            if (level_ >= kLastLevel) {
                BeginEnding(1);
                LayObstacles();
                ShowEndScreen({EndPicture::CampaignWon, {}, {}});
            } else {
                BeginEnding(level_ + 1);
                ShowEndScreen({EndPicture::NextLevel, level_, {}});
            }
        }
    } else if (eaten1 >= kFoodPerClassicGame || eaten2 >= kFoodPerClassicGame) {
        BeginEnding(level_);
        ShowEndScreen({EndPicture::ClassicWon, {}, {}});
    }
}

void SnakeGame::StartGame(const GameOptions& options) {
    UseOptions(options);
    if (!options_.campaign && level_ != 1) {
        level_ = 1;
        LayObstacles();
    }
    Reset();
}

void SnakeGame::StartGameOnLevel(const GameOptions& options, int level) {
    if (level < 1 || level > kLastLevel) {
        throw std::out_of_range("no such level");
    }
    UseOptions(options);
    level_ = options_.campaign ? level : 1;
    LayObstacles();
    Reset();
}

// The timer runs at the speed that scores, so both change together; a step
// that does not exist is refused before anything changes.
void SnakeGame::UseOptions(const GameOptions& options) {
    window_->SetTimerInterval(options.TimerInterval());
    options_ = options;
}

void SnakeGame::SetSpeedStep(int step) {
    GameOptions changed = options_;
    changed.speedStep = step;
    UseOptions(changed);
}

void SnakeGame::SetSnakesCollide(bool collide) {
    options_.snakesCollide = collide;
}

void SnakeGame::SetPlayerNames(const std::string& player1, const std::string& player2) {
    names_ = {player1, player2};
}

const Player& SnakeGame::player(int number) const {
    return players_.at(static_cast<std::size_t>(number - 1));
}

const std::string& SnakeGame::playerName(int number) const {
    return names_.at(static_cast<std::size_t>(number - 1));
}

// Starts a game over: snakes on their start cells, scores, counts and power
// afresh, new food. A one-player game leaves the second snake as it was.
void SnakeGame::Reset() {
    const std::size_t playing = options_.twoPlayers ? 2 : 1;
    for (std::size_t p = 0; p < players_.size(); ++p) {
        Player& player = players_[p];
        player.score = 0;
        player.power = kFullPower;
        if (p >= playing) {
            continue;
        }
        Snake& snake = player.snake;
        snake.cells.fill(-1);
        snake.directions.fill(-1);
        snake.headIndex = kFirstHeadIndex;
        snake.startCell = kStartCells[p];
        for (int i = 0; i <= snake.headIndex; ++i) {
            snake.cells.at(static_cast<std::size_t>(i)) = snake.startCell - (snake.headIndex - i);
            snake.directions.at(static_cast<std::size_t>(i)) = kRight;
        }
    }
    DrawSnakes();
    PlaceFood();
    players_[0].eaten = 0;
    players_[1].eaten = 0;
    player2ScoreShown_ = options_.twoPlayers;
}

// Every free cell but the food's is painted empty. Painting all of them and
// then giving the food cell its picture back is the same, and needs no test
// per cell.
void SnakeGame::RepaintEmptyCells() {
    Picture& foodCell = cellPictures_.at(static_cast<std::size_t>(foodCell_));
    const Picture food = foodCell;
    for (std::size_t c = 0; c < kCells; ++c) {
        cellPictures_[c] = obstacles_[c] == kFree ? pictures_.empty : cellPictures_[c];
    }
    foodCell = food;
}

void SnakeGame::BeginEnding(int levelAfter) {
    window_->SetTimerEnabled(false);
    Reset();
    level_ = levelAfter;
}

void SnakeGame::ShowEndScreen(const EndScreenContent& content) {
    tickEvents_.Add(EndingEvent(content.picture));
    window_->ShowEndScreen(content);
    LayObstacles();
    window_->SetTimerEnabled(true);
}

} // namespace zorvik
