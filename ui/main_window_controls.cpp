// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/sound.h"
#include "ui/elided_label.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/more_games.h"
#include "ui/names_dialog.h"
#include "widgets/picture_box.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorvik {

// Pausing is nothing but the timer being off; the button shows which.
void MainWindow::PauseStep() {
    if (clock_.running()) {
        SetTimerEnabled(false);
        ShowPauseButton(false);
    }
}

void MainWindow::PauseClicked() {
    if (clock_.running()) {
        PauseStep();
    } else {
        SetTimerEnabled(true);
        ShowPauseButton(true);
    }
}

// Whatever plays stops at once; the game is not paused.
void MainWindow::ToggleSound() {
    sound_->SetOn(!sound_->on());
    NameWindow();
}

void MainWindow::HelpClicked() {
    PauseStep();
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
    }
    help_->Open(QString::fromStdString(game_.playerName(1)),
                QString::fromStdString(game_.playerName(2)));
}

void MainWindow::MinimiseClicked() {
    PauseStep();
    showMinimized();
}

// A new game leaves the pause as it is: started while paused, it waits.
void MainWindow::NewGameClicked() {
    game_.StartGame(game_.options());
    ShowState();
}

void MainWindow::SetupClicked() {
    PauseStep();
    settings_->Edit(game_.options());
}

void MainWindow::NamesClicked() {
    PauseStep();
    NamesDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    game_.SetPlayerNames(dialog.player1Name().toStdString(), dialog.player2Name().toStdString());
    player2NamedByPlayers_ = true;
    player1Name_->setText(dialog.player1Name());
    player2Name_->setText(dialog.player2Name());
    raise();
    activateWindow();
}

void MainWindow::MoreGamesClicked() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMoreGamesAddress)));
}

} // namespace zorvik
