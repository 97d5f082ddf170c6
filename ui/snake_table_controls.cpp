// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "options/settings.h"
#include "ui/elided_label.h"
#include "ui/hlp_frm.h"
#include "ui/more_games.h"
#include "ui/names.h"
#include "ui/shell/picture_box.h"
#include "ui/snake_table.h"

#include <QDesktopServices>
#include <QUrl>

namespace zorvik {

// Pausing is nothing but the timer being off; the button shows which.
void SnakeTable::PauseStep() {
    if (Timer1.isActive()) {
        Timer1.stop();
        Pause->setPicture(pictures_.play1);
    }
}

void SnakeTable::PauseClicked() {
    if (Timer1.isActive()) {
        PauseStep();
    } else {
        Timer1.start();
        Pause->setPicture(pictures_.pause1);
    }
}

void SnakeTable::HelpClicked() {
    PauseStep();
    HlpFrm help(Label5->text(), Label6->text(), this);
    help.exec();
}

void SnakeTable::MinimiseClicked() {
    PauseStep();
    showMinimized();
}

void SnakeTable::NewGameClicked() {
    game_.Reset();
    ShowState();
}

void SnakeTable::SetupClicked() {
    PauseStep();
    settings_->exec();
}

void SnakeTable::NamesClicked() {
    PauseStep();
    names dialog(*Label5, *Label6, this);
    dialog.exec();
}

void SnakeTable::MoreGamesClicked() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMoreGamesAddress)));
}

} // namespace zorvik
