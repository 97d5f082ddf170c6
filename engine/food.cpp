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

bool Covers(const Snake& snake, int cell) {
    const auto end = snake.cells.begin() + snake.headIndex + 1;
    return std::find(snake.cells.begin(), end, cell) != end;
}
} // namespace

// Every segment of every snake in play is avoided, whatever the lengths.
void SnakeGame::PlaceFood() {
    std::uniform_int_distribution<int> cell(kFirstFoodCell, kLastFoodCell);
    do {
        foodCell_ = cell(random_);
    } while (Covers(players_[0].snake, foodCell_) ||
             (options_.twoPlayers && Covers(players_[1].snake, foodCell_)) ||
             obstacles_.at(static_cast<std::size_t>(foodCell_)) == kObstacle);

    std::uniform_int_distribution<std::size_t> food(0, pictures_.foods.size() - 1);
    food_ = pictures_.foods.at(food(random_));
    cellPictures_.at(static_cast<std::size_t>(foodCell_)) = food_;
}

// Player 1 eats first; player 2 is then tested against the food of that
// moment, which player 1's meal may already have moved.
void SnakeGame::EatFood() {
    Eat(players_[0], kPlayer1Refill);
    if (options_.twoPlayers) {
        Eat(players_[1], kPlayer2Refill);
    }
}

void SnakeGame::Eat(Player& player, float refill) {
    Snake& snake = player.snake;
    if (snake.HeadCell() != foodCell_) {
        return;
    }
    // Grow: the food cell becomes a second tail entry, which the next move
    // drops, so the old tail stays put for one tick.
    ++snake.headIndex;
    for (auto p = static_cast<std::size_t>(snake.headIndex); p >= 1; --p) {
        snake.cells.at(p) = snake.cells.at(p - 1);
        snake.directions.at(p) = snake.directions.at(p - 1);
    }
    snake.cells.at(0) = foodCell_;

    PlaceFood();

    // The faster the game, the more a food is worth: 100 at 250 ms, 1000 at 25 ms.
    const double interval = options_.TimerInterval();
    player.score = static_cast<float>(player.score + 1000.0 - (interval / 25.0 - 1.0) * 100.0);
    ++player.eaten;
    tickEvents_.Add(IsFirst(player) ? TickEvent::Player1Ate : TickEvent::Player2Ate);
    if (player.power < kFullPower) {
        player.power = std::min(player.power + refill, static_cast<float>(kFullPower));
    }
}

} // namespace zorvik
