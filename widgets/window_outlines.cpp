// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/window_outlines.h"

#include "widgets/outline.h"

#include <array>

namespace zorvik {

namespace {

// The bands of each window's upper corners as (top, bottom, inset); the lower
// corners mirror them.
constexpr std::array<Band, 12> kMainWindowBands{{
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

constexpr std::array<Band, 28> kSettingsBands{{
    {0, 1, 42},   {1, 2, 37},   {2, 3, 33},   {3, 4, 31},   {4, 5, 28},   {5, 6, 26},
    {6, 7, 24},   {7, 8, 23},   {8, 9, 21},   {9, 10, 20},  {10, 11, 18}, {11, 12, 17},
    {12, 13, 16}, {13, 14, 15}, {14, 15, 14}, {15, 16, 13}, {16, 18, 12}, {18, 19, 11},
    {19, 21, 10}, {21, 22, 9},  {22, 24, 8},  {24, 26, 7},  {26, 28, 6},  {28, 31, 5},
    {31, 33, 4},  {33, 37, 3},  {37, 41, 2},  {41, 47, 1},
}};

// The names dialog's outline starts on row 1: its top row is not part of it.
constexpr std::array<Band, 22> kNamesBands{{
    {1, 2, 34},   {2, 3, 29},  {3, 4, 26},  {4, 5, 24},   {5, 6, 22},   {6, 7, 20},
    {7, 8, 18},   {8, 9, 16},  {9, 10, 15}, {10, 11, 14}, {11, 12, 12}, {12, 13, 11},
    {13, 14, 10}, {14, 15, 9}, {15, 17, 8}, {17, 18, 7},  {18, 19, 6},  {19, 21, 5},
    {21, 23, 4},  {23, 25, 3}, {25, 27, 2}, {27, 31, 1},
}};

// The bottom edge of the Continue button, which reaches down into the last row.
constexpr std::array<QRect, 1> kNamesExtras{QRect(133, 151, 96, 1)};

} // namespace

QByteArray MainWindowRegion() {
    return BuildRegion(799, 550, kMainWindowBands);
}
QByteArray SettingsRegion() {
    return BuildRegion(428, 508, kSettingsBands);
}
QByteArray NamesRegion() {
    return BuildRegion(358, 152, kNamesBands, kNamesExtras);
}

std::span<const Band> MainWindowBands() {
    return kMainWindowBands;
}
std::span<const Band> SettingsBands() {
    return kSettingsBands;
}
std::span<const Band> NamesBands() {
    return kNamesBands;
}

} // namespace zorvik
