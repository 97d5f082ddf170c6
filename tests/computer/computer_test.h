// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "computer/computer_player.h"
#include "tests/engine/test_game.h"

#include <optional>

namespace zorvik::testkit {

constexpr int At(int row, int column) {
    return row * kColumns + column;
}

// What a computer that has not acted yet asks for in the game as it stands.
inline std::optional<PlayerAction> ChoiceOf(const TestGame& t, int player = 1) {
    ComputerPlayer computer(player);
    return computer.ChooseAction(t.game);
}

} // namespace zorvik::testkit
