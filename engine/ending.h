// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <optional>
#include <string>

namespace zorvik {

// Which picture the end screen shows.
enum class EndPicture { LevelProceed, CampaignOver, ClassicOver, GameOver };

// Everything the end screen shows for one ending: its picture, and the level
// number (`Label1`) or the message line (`Label2`) when the ending has one.
struct EndScreenContent {
    EndPicture picture = EndPicture::GameOver;
    std::optional<int> level;
    std::optional<std::string> message;

    friend bool operator==(const EndScreenContent&, const EndScreenContent&) = default;
};

} // namespace zorvik
