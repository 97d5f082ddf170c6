// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QRect>
#include <QSize>

// Where everything lies on the help window, in logical pixels.
namespace zorvik::layout::help {

inline constexpr QSize kClientArea{629, 537};
inline constexpr QRect kLogo{3, 2, 354, 133};
inline constexpr QRect kCoiledSnake{7, 143, 144, 216};
inline constexpr QRect kText{171, 127, 457, 269};
// The keys picture, and each player's name over that player's keys.
inline constexpr QRect kKeys{1, 405, 624, 129};
inline constexpr QRect kPlayer1Name{145, 406, 140, 28};
inline constexpr QRect kPlayer2Name{381, 406, 137, 28};

} // namespace zorvik::layout::help
