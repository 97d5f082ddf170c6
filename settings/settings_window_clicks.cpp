// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "engine/snake_game.h"
#include "settings/settings_window.h"
#include "widgets/picture_box.h"

namespace zorvik {

// The indicator shows the speed as its lit segments: a click lights every
// segment up to the clicked one and darkens the rest.
void SettingsWindow::SpeedPicClicked(int k) {
    const auto step = static_cast<std::size_t>(k);
    const auto last = SpeedPic.size() - 1;
    if (SpeedPic.at(step)->picture() == pictures_.SpeedUp.at(step) && step != last) {
        for (std::size_t i = step + 1; i <= last; ++i) {
            SpeedPic[i]->setPicture(pictures_.SpeedDown);
        }
        SpeedPic[step]->setPicture(pictures_.SpeedUp[step]);
    } else if (SpeedPic[step]->picture() == pictures_.SpeedDown) {
        for (std::size_t i = 0; i <= step; ++i) {
            SpeedPic[i]->setPicture(pictures_.SpeedUp[i]);
        }
    }
    window_.SetTimerInterval(kSpeedSteps.at(step));
    emit gameChanged();
}

void SettingsWindow::yesopClicked() {
    noop->setPicture(pictures_.noup);
    yesop->setPicture(pictures_.yesdown);
    SnakesCollide_ = true;
    emit gameChanged();
}

void SettingsWindow::noopClicked() {
    yesop->setPicture(pictures_.yesup);
    noop->setPicture(pictures_.nodown);
    SnakesCollide_ = false;
    emit gameChanged();
}

// The number of players is whichever player picture the button shows.
void SettingsWindow::Image4Clicked() {
    if (Image4->picture() == pictures_.oneplayer) {
        Image4->setPicture(pictures_.twoplayer);
        game_.OnePlayer = false;
    } else {
        Image4->setPicture(pictures_.oneplayer);
        game_.OnePlayer = true;
    }
    game_.Reset();
    emit gameChanged();
}

// Either game type starts over on the open board of level 1.
void SettingsWindow::ChooseGameType(bool campaign) {
    game_.CampaignMode = campaign;
    game_.Level = 1;
    game_.SetObstacles();
    game_.Reset();
    emit gameChanged();
}

// Applies the previewed pictures; the obstacles already on the board keep
// their tile until the next layout is laid.
void SettingsWindow::Command1Clicked() {
    game_.Templates.Obs = SOF->picture();
    game_.Templates.SBlock = SBF->picture();
    game_.Templates.IM2P = SBF2->picture();
    accept();
    game_.Reset();
    emit gameChanged();
}

} // namespace zorvik
