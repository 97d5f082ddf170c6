// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "computer/computer_player.h"
#include "engine/game_window.h"
#include "engine/snake_game.h"
#include "settings/option_pictures.h"
#include "settings/settings_window.h"
#include "ui/game_pictures.h"
#include "ui/main_background.h"
#include "widgets/gamepads.h"
#include "widgets/key_state.h"
#include "widgets/tick_clock.h"

#include <QWidget>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

class QLabel;

namespace zorvik {

class BoardView;
class ElidedLabel;
class HelpWindow;
class PictureBook;
class PictureBox;
class ShapedWindow;
class Sound;

// The main window: the board, the round buttons, the words painted in its
// background that act as buttons, and the players' panel. It plays the game
// by feeding the engine ticks and the players' actions (keys, pads or the
// computer) and showing what the engine decided.
class MainWindow : public QWidget, public GameWindow {
    Q_OBJECT
public:
    MainWindow(PictureBook& book, std::uint32_t seed, QWidget* parent = nullptr);
    ~MainWindow() override;

    bool ActionRequested(PlayerControl control) override;
    void SetTimerEnabled(bool enabled) override;
    void SetTimerInterval(int milliseconds) override;
    void ShowEndScreen(const EndScreenContent& content) override;

    bool TimerEnabled() const { return clock_.running(); }
    int TimerInterval() const { return clock_.interval(); }
    const SnakeGame& game() const { return game_; }
    KeyState& keyState() { return keys_; }
    const Gamepads& gamepads() const { return pads_; }
    SettingsWindow& settings() { return *settings_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LayOutControls();
    // New, Setup and More Games, each on the pill under its click area.
    void LetterWordButtons();
    // Gives each control the name a screen reader calls it by.
    void NameControls();
    // The window's own name says when sound is off.
    void NameWindow();
    void ShowPauseButton(bool running);
    void Tick();
    // Plays what the tick has done since this was last called in it.
    void PlayTickSounds();
    // Shows the game's scores, power and board.
    void ShowState();
    void ApplySettings(const GameOptions& options, SettingsChange change);
    bool ComputerPlays() const;
    // Until the players name player 2, the name says who steers it.
    void NamePlayer2();

    void PauseStep();
    void PauseClicked();
    void ToggleSound();
    void HelpClicked();
    void MinimiseClicked();
    void NewGameClicked();
    void SetupClicked();
    void NamesClicked();
    void MoreGamesClicked();

    PictureBook& book_;
    OptionPictures choices_;
    GamePictures pictures_;
    SnakeGame game_;
    KeyState keys_;
    // A named child of the window, so that tools measuring the game find it.
    TickClock clock_{this};
    Gamepads pads_;
    ComputerPlayer computer_{2};
    // The computer's action for the tick in progress, until the game reads it.
    std::optional<PlayerAction> computerAction_;
    bool player2NamedByPlayers_ = false;
    MainBackground background_;
    ShapedWindow* shape_;
    // The scores the panel shows; none before the first.
    std::array<float, 2> shownScores_{std::nanf(""), std::nanf("")};

    BoardView* board_;
    PictureBox* pauseButton_;
    ElidedLabel* player1Name_;
    ElidedLabel* player2Name_;
    QLabel* player1Score_;
    QLabel* player2Score_;
    QWidget* player1Power_;
    QWidget* player2Power_;
    SettingsWindow* settings_;
    // Made at its first opening.
    HelpWindow* help_ = nullptr;
    Sound* sound_;
    TickEvents heard_;
};

} // namespace zorvik
