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
        {"helpButton", "Help"}, {"minimiseButton", "Minimise"},
        {"exitButton", "Exit"}, {"newGameWord", "New game"},
        {"setupWord", "Setup"}, {"moreGamesWords", "More Games"},
        {"board", "Board"},
    };
    for (const auto& [object, name] : names) {
        findChild<QWidget*>(QLatin1String(object))->setAccessibleName(QLatin1String(name));
    }
    ShowPauseButton(true);
    NameWindow();
}

// Nothing on the screen shows that the sound is off.
void MainWindow::NameWindow() {
    setAccessibleName(sound_->on() ? windowTitle() : QStringLiteral("Zorvik, sound off"));
}

// The button shows and says what a click does.
void MainWindow::ShowPauseButton(bool running) {
    pauseButton_->setPicture(running ? pictures_.pause : pictures_.play);
    pauseButton_->setAccessibleName(running ? QStringLiteral("Pause") : QStringLiteral("Resume"));
}

} // namespace zorvik
