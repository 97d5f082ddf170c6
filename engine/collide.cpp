// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"

namespace zorvik {

void SnakeGame::Collide() {
    if (Scan(First(), Second())) {
        return;
    }
    if (!OnePlayer) {
        Scan(Second(), First());
    }
}

// Tests one head against its own body and the obstacles, and in a two-player
// game against every segment of the other snake, heads included, so that two
// heads meeting on one cell are found whatever the lengths.
bool SnakeGame::Scan(Player self, Player other) {
    const int h = self.snake.at(self.head);
    const bool twoPlayers = !OnePlayer;
    const auto crash = [&] {
        StopTimer();
        Reset();
        Level = 1;
        EndScreenContent content{EndPicture::GameOver, {}, {}};
        if (twoPlayers) {
            content.message = EndMessage{Name(other.number), " Won", {}};
        }
        ShowEndScreen(content);
        return true;
    };
    // Returns true when meeting the other snake ended the game.
    const auto meetOther = [&](int p) {
        if (h != other.snake.at(p)) {
            return false;
        }
        if (window_->SnakesCollide()) {
            StopTimer();
            Reset();
            Level = 1;
            ShowEndScreen({EndPicture::GameOver,
                           {},
                           EndMessage{Name(self.number), " Collided with ", Name(other.number)}});
            return true;
        }
        TableBlock.at(h) = Templates.colpic;
        return false;
    };

    for (int p = 0; p < self.head; ++p) {
        if (h == self.snake.at(p) || Board.at(h) == kObstacle) {
            return crash();
        }
        if (twoPlayers && p <= other.head && meetOther(p)) {
            return true;
        }
    }
    if (twoPlayers) {
        for (int p = self.head; p <= other.head; ++p) {
            if (meetOther(p)) {
                return true;
            }
        }
    }
    return false;
}

} // namespace zorvik
