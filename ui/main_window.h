// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_window.h"
#include "engine/snake_game.h"
#include "settings/option_pictures.h"
#include "ui/game_pictures.h"
#include "widgets/key_state.h"

#include <QTimer>
#include <QWidget>
#include <cstdint>

class QLabel;

namespace zorvik {

class BoardView;
class ElidedLabel;
class PictureBook;
class PictureBox;
class SettingsWindow;

// The main window: the board, the round buttons, the hot spots painted in
// its background and the players' panel. It plays the game by feeding the
// engine ticks and keys and drawing what the engine decided.
class MainWindow : public QWidget, public GameWindow {
    Q_OBJECT
public:
    MainWindow(PictureBook& book, std::uint32_t seed, QWidget* parent = nullptr);
    ~MainWindow() override;

    bool KeyPressed(int virtualKey) override;
    bool TimerEnabled() const override;
    void SetTimerEnabled(bool enabled) override;
    int TimerInterval() const override;
    void SetTimerInterval(int milliseconds) override;
    void ShowEndScreen(const EndScreenContent& content) override;
    std::string PlayerName(int player) const override;
    bool SnakesCollide() const override;

    SnakeGame& game() { return game_; }
    KeyState& keyState() { return keys_; }
    SettingsWindow& settings() { return *settings_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void LayOutControls();
    void Tick();
    // Shows the game's scores, power and board.
    void ShowState();

    void PauseStep();
    void PauseClicked();
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
    QTimer Timer1{this};
    QPixmap background_;

    BoardView* board_;
    PictureBox* Pause;
    ElidedLabel* Label5;
    ElidedLabel* Label6;
    QLabel* Label1;
    QLabel* Label2;
    QWidget* Label8;
    QWidget* Label13;
    SettingsWindow* settings_;
};

} // namespace zorvik
