// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QRect>
#include <QSize>
#include <array>

// Where everything lies on the settings window, in logical pixels. Rows of
// choices run left to right in the order of their pictures.
namespace zorvik::layout::settings {

inline constexpr QSize kClientArea{428, 551};
inline constexpr QSize kBackground{428, 552};

inline constexpr std::array<Band, 28> kOutlineBands{{
    {0, 1, 42},   {1, 2, 37},   {2, 3, 33},   {3, 4, 31},   {4, 5, 28},   {5, 6, 26},
    {6, 7, 24},   {7, 8, 23},   {8, 9, 21},   {9, 10, 20},  {10, 11, 18}, {11, 12, 17},
    {12, 13, 16}, {13, 14, 15}, {14, 15, 14}, {15, 16, 13}, {16, 18, 12}, {18, 19, 11},
    {19, 21, 10}, {21, 22, 9},  {22, 24, 8},  {24, 26, 7},  {26, 28, 6},  {28, 31, 5},
    {31, 33, 4},  {33, 37, 3},  {37, 41, 2},  {41, 47, 1},
}};

// A row of pictures to choose from: each picture's left edge, and the row's
// top and picture size.
template <std::size_t N> struct ChoiceRow {
    std::array<int, N> lefts;
    int top;
    int size;

    constexpr QRect Place(std::size_t i) const { return {lefts.at(i), top, size, size}; }
    constexpr QRect Span() const {
        return {lefts.front(), top, lefts.back() + size - lefts.front(), size};
    }
};

inline constexpr ChoiceRow<5> kPlayer1Swatches{{307, 331, 355, 379, 403}, 96, 15};
inline constexpr ChoiceRow<5> kPlayer2Swatches{{307, 331, 355, 379, 403}, 141, 15};
inline constexpr ChoiceRow<8> kObstacleTiles{{260, 280, 300, 320, 342, 363, 383, 403}, 184, 16};

// The chosen picture of each row, shown before Yes applies it.
inline constexpr QRect kPlayer1Preview{221, 95, 16, 16};
inline constexpr QRect kPlayer2Preview{221, 139, 16, 16};
inline constexpr QRect kObstaclePreview{221, 184, 16, 16};

// The speed indicator, slowest segment first.
inline constexpr std::array<int, 7> kSpeedSegmentLefts{194, 222, 251, 279, 307, 336, 364};
inline constexpr int kSpeedSegmentTop = 231;
inline constexpr QSize kSpeedSegment{25, 20};
constexpr QRect SpeedSegment(std::size_t step) {
    return {{kSpeedSegmentLefts.at(step), kSpeedSegmentTop}, kSpeedSegment};
}
inline constexpr QRect kSpeedIndicator{194, 231, 364 + 25 - 194, 20};

inline constexpr QRect kCollideYes{278, 273, 66, 32};
inline constexpr QRect kCollideNo{363, 274, 51, 32};
// Who steers player 2, a row like the collide row's; what lies below it is
// lower by the height of one row.
inline constexpr QRect kPlayer2Person{224, 317, 82, 32};
inline constexpr QRect kPlayer2Computer{314, 317, 100, 32};
inline constexpr int kBelowPlayer2Row = 44;
inline constexpr QRect kPlayersPicture{56, 362 + kBelowPlayer2Row, 81, 81};
inline constexpr QRect kClassicOption{238, 378 + kBelowPlayer2Row, 14, 15};
inline constexpr QRect kCampaignOption{238, 417 + kBelowPlayer2Row, 14, 14};
inline constexpr QRect kYesButton{114, 451 + kBelowPlayer2Row, 67, 37};
inline constexpr QRect kNoButton{223, 452 + kBelowPlayer2Row, 67, 37};

} // namespace zorvik::layout::settings
