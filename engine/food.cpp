// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

#include <algorithm>

namespace zorvik {

namespace {
constexpr int kFirstFoodCell = 100;
constexpr int kLastFoodCell = 799;
constexpr float kPlayer1Refill = kFullPower;
constexpr float kPlayer2Refill = 1000;
} // namespace

void SnakeGame::MakeFood() {
    std::uniform_int_distribution<int> cell(kFirstFoodCell, kLastFoodCell);
    const auto underSnake = [](const Cells& snake, int head, int c) {
        return std::find(snake.begin(), snake.begin() + head + 1, c) != snake.begin() + head + 1;
    };
    // Every segment of every snake in play is avoided, whatever the lengths.
    do {
        FoodCell = cell(random_);
    } while (underSnake(Snake1, Snake1Head, FoodCell) ||
             (!OnePlayer && underSnake(Snake2, Snake2Head, FoodCell)) ||
             Board.at(FoodCell) == kObstacle);

    std::uniform_int_distribution<std::size_t> food(0, Templates.FPIC.size() - 1);
    Templates.FBlock = Templates.FPIC.at(food(random_));
    TableBlock.at(FoodCell) = Templates.FBlock;
}

void SnakeGame::EatFood() {
    Eat(First(), kPlayer1Refill);
    if (!OnePlayer) {
        Eat(Second(), kPlayer2Refill);
    }
}

void SnakeGame::Eat(Player player, float refill) {
    if (player.snake.at(player.head) != FoodCell) {
        return;
    }
    // Grow: the food cell becomes a second tail entry, which the next move
    // drops, so the old tail stays put for one tick.
    ++player.head;
    for (int p = player.head; p >= 1; --p) {
        player.snake.at(p) = player.snake.at(p - 1);
        player.dir.at(p) = player.dir.at(p - 1);
    }
    player.snake.at(0) = FoodCell;

    MakeFood();

    const double interval = window_->TimerInterval();
    player.score = static_cast<float>(player.score + 1000.0 - (interval / 25.0 - 1.0) * 100.0);
    ++player.eaten;
    if (player.power < kFullPower) {
        player.power = std::min(player.power + refill, static_cast<float>(kFullPower));
    }
}

} // namespace zorvik
