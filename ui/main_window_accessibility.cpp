// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "sound/sound.h"
#include "ui/main_window.h"
#include "widgets/picture_box.h"

#include <utility>

namespace zorvik {

// The name labels are known by the names they show, the scores and power
// bars by their values as they change.
void MainWindow::NameControls() {
    const std::pair<const char*, const char*> names[] = {
        {"helpButton", QT_TR_NOOP("Help")}, {"minimiseButton", QT_TR_NOOP("Minimise")},
        {"exitButton", QT_TR_NOOP("Exit")}, {"newGameWord", QT_TR_NOOP("New game")},
        {"setupWord", QT_TR_NOOP("Setup")}, {"moreGamesWords", QT_TR_NOOP("More Games")},
        {"board", QT_TR_NOOP("Board")},
    };
    for (const auto& [object, name] : names) {
        findChild<QWidget*>(QLatin1String(object))->setAccessibleName(tr(name));
    }
    ShowPauseButton(true);
    NameWindow();
}

// Nothing on the screen shows that the sound is off.
void MainWindow::NameWindow() {
    setAccessibleName(sound_->on() ? windowTitle() : tr("Zorvik, sound off"));
}

// The button shows and says what a click does.
void MainWindow::ShowPauseButton(bool running) {
    pauseButton_->setPicture(running ? pictures_.pause : pictures_.play);
    pauseButton_->setAccessibleName(running ? tr("Pause") : tr("Resume"));
}

} // namespace zorvik
