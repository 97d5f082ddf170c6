// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Where everything lies on the main window, in logical pixels from the
// top-left corner of its client area. The window, its picture generator and
// the tests all read it from here, so a painted word and its click area move
// together.
namespace zorvik::layout::mainwindow {

inline constexpr QSize kClientArea{801, 551};
inline constexpr QSize kBackground{799, 550};

// The bands of the outline's upper corners; the lower corners mirror them.
inline constexpr std::array<Band, 12> kOutlineBands{{
    {0, 1, 20},
    {1, 2, 16},
    {2, 3, 13},
    {3, 4, 10},
    {4, 5, 9},
    {5, 6, 7},
    {6, 8, 6},
    {8, 9, 5},
    {9, 11, 4},
    {11, 13, 3},
    {13, 16, 2},
    {16, 21, 1},
}};

inline constexpr int kCellSize = 16;
inline constexpr QRect kBoard{31, 34, 30 * kCellSize, 30 * kCellSize};

// The round buttons.
inline constexpr QRect kPauseButton{577, 31, 41, 38};
inline constexpr QRect kHelpButton{626, 31, 41, 38};
inline constexpr QRect kMinimiseButton{676, 31, 41, 38};
inline constexpr QRect kExitButton{725, 31, 41, 38};

// The words painted in the background that act as buttons.
inline constexpr QRect kNewGameWord{660, 116, 76, 30};
inline constexpr QRect kSetupWord{669, 186, 100, 30};
inline constexpr QRect kMoreGamesWords{558, 255, 187, 31};

// The players' panel.
inline constexpr QRect kPlayer1Name{566, 332, 192, 25};
inline constexpr QRect kPlayer1Score{577, 360, 153, 37};
inline constexpr QRect kPlayer1PowerCaption{568, 398, 49, 16};
inline constexpr QRect kPlayer1PowerBar{607, 397, 158, 16};
inline constexpr QRect kPlayer2Name{568, 427, 192, 26};
inline constexpr QRect kPlayer2Score{578, 456, 153, 37};
inline constexpr QRect kPlayer2PowerCaption{568, 494, 49, 16};
inline constexpr QRect kPlayer2PowerBar{607, 493, 158, 16};

// Power is counted in twips, the width of a full bar at 15 to the pixel.
inline constexpr int kTwipsPerPixel = 15;

} // namespace zorvik::layout::mainwindow
