// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <optional>

namespace zorvik {

// What the line under the end screen's picture tells: which ending, and
// which players it names (1 or 2). The engine holds no words; the window
// words the line in the players' language, with their names.
enum class Outcome { Won, BittenToDeath, Collided };

struct EndMessage {
    Outcome outcome = Outcome::Won;
    // The winner, the player bitten to death, or the one who ran into the other.
    int player = 1;
    // The player run into, in a collision; 0 in the other endings.
    int otherPlayer = 0;

    friend bool operator==(const EndMessage&, const EndMessage&) = default;
};

// Which picture the end screen shows.
enum class EndPicture { NextLevel, CampaignWon, ClassicWon, GameOver };

// Everything the end screen shows for one ending: its picture, and the level
// number or the message line when the ending has one.
struct EndScreenContent {
    EndPicture picture = EndPicture::GameOver;
    std::optional<int> level;
    std::optional<EndMessage> message;

    friend bool operator==(const EndScreenContent&, const EndScreenContent&) = default;
};

} // namespace zorvik
