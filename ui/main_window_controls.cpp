// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/settings_window.h"
#include "ui/elided_label.h"
#include "ui/help_window.h"
#include "ui/more_games.h"
#include "ui/names_dialog.h"
#include "widgets/picture_box.h"
#include "ui/main_window.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorvik {

// Pausing is nothing but the timer being off; the button shows which.
void MainWindow::PauseStep() {
    if (Timer1.isActive()) {
        Timer1.stop();
        Pause->setPicture(pictures_.play1);
    }
}

void MainWindow::PauseClicked() {
    if (Timer1.isActive()) {
        PauseStep();
    } else {
        Timer1.start();
        Pause->setPicture(pictures_.pause1);
    }
}

void MainWindow::HelpClicked() {
    PauseStep();
    HelpWindow help(Label5->text(), Label6->text(), this);
    help.exec();
}

void MainWindow::MinimiseClicked() {
    PauseStep();
    showMinimized();
}

void MainWindow::NewGameClicked() {
    game_.Reset();
    ShowState();
}

void MainWindow::SetupClicked() {
    PauseStep();
    settings_->exec();
}

void MainWindow::NamesClicked() {
    PauseStep();
    NamesDialog dialog(*Label5, *Label6, this);
    dialog.exec();
}

void MainWindow::MoreGamesClicked() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMoreGamesAddress)));
}

} // namespace zorvik
