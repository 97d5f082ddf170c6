// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QRect>
#include <QSize>
#include <array>

// Where everything lies on the player names dialog, in logical pixels.
namespace zorvik::layout::names {

inline constexpr QSize kClientArea{358, 151};
inline constexpr QSize kBackground{358, 152};

// The outline starts on row 1: the top row is not the dialog's.
inline constexpr std::array<Band, 22> kOutlineBands{{
    {1, 2, 34},   {2, 3, 29},  {3, 4, 26},  {4, 5, 24},   {5, 6, 22},   {6, 7, 20},
    {7, 8, 18},   {8, 9, 16},  {9, 10, 15}, {10, 11, 14}, {11, 12, 12}, {12, 13, 11},
    {13, 14, 10}, {14, 15, 9}, {15, 17, 8}, {17, 18, 7},  {18, 19, 6},  {19, 21, 5},
    {21, 23, 4},  {23, 25, 3}, {25, 27, 2}, {27, 31, 1},
}};
// The bottom edge of the Continue button, which reaches down into the last row.
inline constexpr QRect kContinueLip{133, 151, 96, 1};

inline constexpr QRect kTitle{131, 12, 126, 27};
inline constexpr QRect kPlayer1Caption{32, 48, 87, 30};
inline constexpr QRect kPlayer1NameBox{155, 51, 162, 22};
inline constexpr QRect kPlayer2Caption{33, 81, 87, 26};
inline constexpr QRect kPlayer2NameBox{156, 85, 161, 22};
inline constexpr QRect kContinueButton{132, 117, 98, 32};

} // namespace zorvik::layout::names
