// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/game_options.h"
#include "engine/picture.h"
#include "engine/speed_steps.h"
#include "settings/settings_pictures.h"

#include <QDialog>
#include <array>
#include <span>

class QRadioButton;

namespace zorvik {

class PictureBook;
class PictureBox;
class ShapedWindow;
struct OptionPictures;

// What a click in the settings window changed, and so what the game does
// with the options it hands back.
enum class SettingsChange {
    Speed,    // from the next tick on
    Collide,  // from the next tick on
    Players,  // a new game (also for who steers player 2)
    GameType, // a new game on level 1
    Pictures, // Yes: a new game in the chosen pictures
};

// The settings window: players, who steers player 2, game type, speed, the
// collide option and the snake and obstacle pictures. Created once, hidden, when the main window
// starts, then only shown modally and hidden. It edits a copy of the options:
// most clicks hand the copy back at once, while the chosen pictures wait in
// the previews for Yes, and stay there from one opening to the next.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(const GameOptions& options, PictureBook& book, const OptionPictures& choices,
                   QWidget* parent);

    // Shows the window modally on the options in force.
    void Edit(const GameOptions& options);

signals:
    void optionsChosen(const zorvik::GameOptions& options, zorvik::SettingsChange change);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayOutControls(const OptionPictures& choices);
    // The title, the captions and the words on the buttons.
    void LetterWords();
    void ShowChoice(PictureBox& choice, bool chosen);
    // Gives each control the name a screen reader calls it by.
    void NameControls();
    PictureBox* AddPicture(const QString& name, const QRect& geometry, Picture picture = {});
    // A row of choices whose clicks copy their picture into the preview.
    template <typename Row>
    void AddChoiceRow(const QString& name, const Row& row, std::span<const Picture> pictures,
                      PictureBox* preview);
    QRadioButton* AddOptionButton(const char* name, const QRect& geometry);
    // Shows the options of the copy on the controls.
    void ShowOptions();

    void SpeedSegmentClicked(int step);
    void CollideClicked(bool collide);
    void Player2Clicked(bool computer);
    void PlayersClicked();
    void GameTypeClicked(bool campaign);
    void YesClicked();
    void Choose(SettingsChange change);

    const PictureBook& book_;
    const SettingsPictures pictures_;
    GameOptions options_;
    ShapedWindow* shape_;
    bool placed_ = false;

    PictureBox* player1Preview_;
    PictureBox* player2Preview_;
    PictureBox* obstaclePreview_;
    std::array<PictureBox*, kSpeedSteps.size()> speedSegments_{};
    PictureBox* collideYes_;
    PictureBox* collideNo_;
    PictureBox* player2Person_;
    PictureBox* player2Computer_;
    PictureBox* playersPicture_;
    QRadioButton* classicOption_;
    QRadioButton* campaignOption_;
};

} // namespace zorvik
