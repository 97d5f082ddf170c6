// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_options.h"
#include "engine/picture.h"

#include <QtGlobal>
#include <array>

namespace zorvik {

class PictureBook;

// The pictures a player can choose from, loaded once and shared by the
// board and the settings window.
struct OptionPictures {
    explicit OptionPictures(PictureBook& book);

    // Snake swatches, left to right, by their colours' names (translated in
    // the settings window's context).
    static constexpr std::array<const char*, 5> kSnakeColours{
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "green"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "red"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "yellow"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "dark red"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "blue")};
    std::array<Picture, kSnakeColours.size()> snakes{};
    // Obstacle tiles, left to right.
    static constexpr std::array<const char*, 8> kTileColours{
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "beige"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "red"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "magenta"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "orange"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "blue"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "cyan"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "green"),
        QT_TRANSLATE_NOOP("zorvik::SettingsWindow", "yellow")};
    std::array<Picture, kTileColours.size()> tiles{};

    // The options every start of the program begins from: a red snake for
    // player 1, a green one for player 2 and red obstacle tiles.
    GameOptions DefaultOptions() const;
};

} // namespace zorvik
