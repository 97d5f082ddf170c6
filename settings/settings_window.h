// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"
#include "settings/settings_pictures.h"
#include "engine/speed_steps.h"

#include <QDialog>
#include <array>
#include <span>

class QRadioButton;

namespace zorvik {

class GameWindow;
class PictureBook;
class PictureBox;
class SnakeGame;
struct OptionPictures;

// The settings window: players, game type, speed, the collide option and
// the snake and obstacle pictures. Created once, hidden, when the main
// window starts, then only shown modally and hidden, so what it shows
// carries over from one opening to the next.
class SettingsWindow : public QDialog {
    Q_OBJECT
public:
    SettingsWindow(SnakeGame& game, GameWindow& window, PictureBook& book, const OptionPictures& choices,
             QWidget* parent);

    bool SnakesCollide() const { return SnakesCollide_; }

    // Lights the speed segments 0 to step and darkens the others.
    void MatchSpeedIndicator(int step);

signals:
    // The game was restarted or its options changed: the main window
    // shows the new state.
    void gameChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void LayOutControls(const OptionPictures& choices);
    PictureBox* AddPicture(const QString& name, const QRect& geometry, Picture picture = {});
    // A row of choices whose clicks copy their picture into the preview;
    // indexes name the controls from left to right.
    void AddChoiceRow(const char* name, std::span<const int> indexes, std::span<const int> lefts,
                      int top, int size, std::span<const Picture> pictures, PictureBox* preview);
    QRadioButton* AddOptionButton(const char* name, const QRect& geometry);

    void SpeedPicClicked(int k);
    void yesopClicked();
    void noopClicked();
    void Image4Clicked();
    void ChooseGameType(bool campaign);
    void Command1Clicked();

    SnakeGame& game_;
    GameWindow& window_;
    const PictureBook& book_;
    const SettingsPictures pictures_;
    bool SnakesCollide_ = false;

    PictureBox* SBF;
    PictureBox* SBF2;
    PictureBox* SOF;
    std::array<PictureBox*, kSpeedSteps.size()> SpeedPic{};
    PictureBox* yesop;
    PictureBox* noop;
    PictureBox* Image4;
};

} // namespace zorvik
