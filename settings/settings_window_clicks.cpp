// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/settings_window.h"
#include "widgets/picture_box.h"

namespace zorvik {

void SettingsWindow::Choose(SettingsChange change) {
    ShowOptions();
    emit optionsChosen(options_, change);
}

void SettingsWindow::SpeedSegmentClicked(int step) {
    options_.speedStep = step;
    Choose(SettingsChange::Speed);
}

void SettingsWindow::CollideClicked(bool collide) {
    options_.snakesCollide = collide;
    Choose(SettingsChange::Collide);
}

// The computer plays only in a two-player game, so choosing it chooses two
// players; a choice that changes nothing starts no new game.
void SettingsWindow::Player2Clicked(bool computer) {
    if (computer == options_.computerPlaysPlayer2 && (!computer || options_.twoPlayers)) {
        return;
    }
    options_.computerPlaysPlayer2 = computer;
    options_.twoPlayers = options_.twoPlayers || computer;
    Choose(SettingsChange::Players);
}

void SettingsWindow::PlayersClicked() {
    options_.twoPlayers = !options_.twoPlayers;
    Choose(SettingsChange::Players);
}

// Either game type starts over on the open board of level 1, even the type
// already chosen.
void SettingsWindow::GameTypeClicked(bool campaign) {
    options_.campaign = campaign;
    Choose(SettingsChange::GameType);
}

// Applies the previewed pictures; the obstacles already on the board keep
// their tile until the next layout is laid.
void SettingsWindow::YesClicked() {
    options_.obstacle = obstaclePreview_->picture();
    options_.snake1 = player1Preview_->picture();
    options_.snake2 = player2Preview_->picture();
    accept();
    Choose(SettingsChange::Pictures);
}

} // namespace zorvik
