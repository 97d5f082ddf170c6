// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

namespace zorvik {

namespace {
constexpr int kFoodPerLevel = 25;
constexpr int kLastLevel = 7;
constexpr int kFoodPerClassicGame = 100;
} // namespace

SnakeGame::SnakeGame(GameWindow& window, const CellPictures& pictures, std::uint32_t seed)
    : Templates(pictures), window_(&window), random_(seed) {}

void SnakeGame::Form_Load() {
    Score1 = 0;
    Score2 = 0;
    OnePlayer = true;
    Reset();
    Level = 1;
    CampaignMode = false;
    TABLE();
    window_->SetTimerEnabled(true);
    window_->SetTimerInterval(kFirstInterval);
}

void SnakeGame::Tick() {
    ReadKeys();

    if (CampaignMode) {
        if (Eaten1 == kFoodPerLevel || Eaten2 == kFoodPerLevel) {
            StopTimer();
            Reset();
            if (Level >= kLastLevel) {
                Level = 1;
                SetObstacles();
                ShowEndScreen({EndPicture::CampaignOver, {}, {}});
            } else {
                ++Level;
                ShowEndScreen({EndPicture::LevelProceed, Level, {}});
            }
        }
    } else if (Eaten1 >= kFoodPerClassicGame || Eaten2 >= kFoodPerClassicGame) {
        StopTimer();
        Reset();
        ShowEndScreen({EndPicture::ClassicOver, {}, {}});
    }

    TABLE();
    MoveSnake();
    DrawSnake();
    Collide();
    EatFood();
}

void SnakeGame::Reset() {
    Score1 = 0;
    Score2 = 0;
    Power1 = kFullPower;
    Power2 = kFullPower;
    Snake1.fill(-1);
    Snake1Dir.fill(-1);
    Snake1Head = 5;
    Snake1Start = 105;
    for (int i = 0; i <= Snake1Head; ++i) {
        Snake1.at(i) = Snake1Start - (Snake1Head - i);
        Snake1Dir.at(i) = kRight;
    }
    if (!OnePlayer) {
        Snake2.fill(-1);
        Snake2Dir.fill(-1);
        Snake2Head = 5;
        Snake2Start = 165;
        for (int i = 0; i <= Snake2Head; ++i) {
            Snake2.at(i) = Snake2Start - (Snake2Head - i);
            Snake2Dir.at(i) = kRight;
        }
    }
    DrawSnake();
    MakeFood();
    Eaten1 = 0;
    Eaten2 = 0;
    Score2Shown = !OnePlayer;
}

void SnakeGame::TABLE() {
    for (int c = 0; c < kCells; ++c) {
        if (c != FoodCell && Board[c] == kFree) {
            TableBlock[c] = Templates.BBlock;
        }
    }
}

SnakeGame::Player SnakeGame::First() {
    return {Snake1, Snake1Dir, Snake1Head, Score1, Eaten1, Power1, 1};
}

SnakeGame::Player SnakeGame::Second() {
    return {Snake2, Snake2Dir, Snake2Head, Score2, Eaten2, Power2, 2};
}

void SnakeGame::StopTimer() {
    window_->SetTimerEnabled(false);
}

void SnakeGame::ShowEndScreen(const EndScreenContent& content) {
    window_->ShowEndScreen(content);
    SetObstacles();
    window_->SetTimerEnabled(true);
}

std::string SnakeGame::Name(int player) const {
    return window_->PlayerName(player);
}

} // namespace zorvik
