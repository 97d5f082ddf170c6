// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <optional>
#include <string>

namespace zorvik {

// The line under the end screen's picture: a player's name, the words of the
// ending, and for a collision the other player's name. The names are kept
// apart from the words so that a window short of room shortens the names,
// never the words that tell the outcome.
struct EndMessage {
    std::string name;
    std::string words;
    std::string otherName;

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
