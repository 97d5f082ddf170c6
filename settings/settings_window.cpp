// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/settings_window.h"

#include "settings/option_pictures.h"
#include "widgets/painted_word.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"
#include "widgets/placement.h"
#include "widgets/settings_layout.h"
#include "widgets/shaped_window.h"
#include "widgets/surface_drag.h"
#include "widgets/window_outlines.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>

namespace zorvik {

namespace {
constexpr QColor kLavender{192, 192, 255};
} // namespace

SettingsWindow::SettingsWindow(const GameOptions& options, PictureBook& book,
                               const OptionPictures& choices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), book_(book), pictures_(book),
      options_(options),
      shape_(new ShapedWindow(*this, SettingsOutline(), layout::settings::kClientArea)) {
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(tr("SETTINGS", "the settings window's title in the task bar"));
    setModal(true);
    new SurfaceDrag(*this);
    LayOutControls(choices);
    LetterWords();
    NameControls();
    player1Preview_->setPicture(options.snake1);
    player2Preview_->setPicture(options.snake2);
    obstaclePreview_->setPicture(options.obstacle);
    ShowOptions();
}

void SettingsWindow::Edit(const GameOptions& options) {
    options_ = options;
    ShowOptions();
    exec();
}

void SettingsWindow::LayOutControls(const OptionPictures& choices) {
    using namespace layout::settings;
    player1Preview_ = AddPicture(QStringLiteral("player1Preview"), kPlayer1Preview);
    player2Preview_ = AddPicture(QStringLiteral("player2Preview"), kPlayer2Preview);
    obstaclePreview_ = AddPicture(QStringLiteral("obstaclePreview"), kObstaclePreview);
    AddChoiceRow(QStringLiteral("player1Swatch"), kPlayer1Swatches, choices.snakes,
                 player1Preview_);
    AddChoiceRow(QStringLiteral("player2Swatch"), kPlayer2Swatches, choices.snakes,
                 player2Preview_);
    AddChoiceRow(QStringLiteral("obstacleTile"), kObstacleTiles, choices.tiles, obstaclePreview_);

    for (std::size_t step = 0; step < speedSegments_.size(); ++step) {
        speedSegments_[step] =
            AddPicture(QStringLiteral("speedSegment%1").arg(step), SpeedSegment(step));
        connect(speedSegments_[step], &PictureBox::clicked, this,
                [this, step] { SpeedSegmentClicked(static_cast<int>(step)); });
    }

    collideYes_ = AddPicture(QStringLiteral("collideYes"), kCollideYes);
    collideNo_ = AddPicture(QStringLiteral("collideNo"), kCollideNo);
    connect(collideYes_, &PictureBox::clicked, this, [this] { CollideClicked(true); });
    connect(collideNo_, &PictureBox::clicked, this, [this] { CollideClicked(false); });

    player2Person_ = AddPicture(QStringLiteral("player2Person"), kPlayer2Person);
    player2Computer_ = AddPicture(QStringLiteral("player2Computer"), kPlayer2Computer);
    connect(player2Person_, &PictureBox::clicked, this, [this] { Player2Clicked(false); });
    connect(player2Computer_, &PictureBox::clicked, this, [this] { Player2Clicked(true); });

    playersPicture_ = AddPicture(QStringLiteral("playersPicture"), kPlayersPicture);
    connect(playersPicture_, &PictureBox::clicked, this, &SettingsWindow::PlayersClicked);

    classicOption_ = AddOptionButton("classicOption", kClassicOption);
    campaignOption_ = AddOptionButton("campaignOption", kCampaignOption);
    connect(classicOption_, &QRadioButton::clicked, this, [this] { GameTypeClicked(false); });
    connect(campaignOption_, &QRadioButton::clicked, this, [this] { GameTypeClicked(true); });

    PictureBox* yes = AddPicture(QStringLiteral("yesButton"), kYesButton, pictures_.apply);
    PictureBox* no = AddPicture(QStringLiteral("noButton"), kNoButton, pictures_.cancel);
    connect(yes, &PictureBox::clicked, this, &SettingsWindow::YesClicked);
    connect(no, &PictureBox::clicked, this, &SettingsWindow::reject);
}

PictureBox* SettingsWindow::AddPicture(const QString& name, const QRect& geometry,
                                       Picture picture) {
    return new PictureBox(book_, this, name, geometry, picture);
}

template <typename Row>
void SettingsWindow::AddChoiceRow(const QString& name, const Row& row,
                                  std::span<const Picture> pictures, PictureBox* preview) {
    for (std::size_t place = 0; place < row.lefts.size(); ++place) {
        PictureBox* choice =
            AddPicture(name + QString::number(place), row.Place(place), pictures[place]);
        connect(choice, &PictureBox::clicked, this,
                [choice, preview] { preview->setPicture(choice->picture()); });
    }
}

QRadioButton* SettingsWindow::AddOptionButton(const char* name, const QRect& geometry) {
    auto* button = new QRadioButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(button->backgroundRole(), kLavender);
    button->setPalette(palette);
    // The controls are worked with the mouse: an arrow key must not move
    // the check to the other game type, which would restart the game.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The speed shows as the segments lit up to the step in force.
void SettingsWindow::ShowOptions() {
    for (std::size_t i = 0; i < speedSegments_.size(); ++i) {
        speedSegments_[i]->setPicture(static_cast<int>(i) <= options_.speedStep
                                          ? pictures_.speedLit[i]
                                          : pictures_.speedUnlit);
    }
    collideYes_->setPicture(options_.snakesCollide ? pictures_.collideYesOn
                                                   : pictures_.collideYesOff);
    collideNo_->setPicture(options_.snakesCollide ? pictures_.collideNoOff : pictures_.collideNoOn);
    ShowChoice(*collideYes_, options_.snakesCollide);
    ShowChoice(*collideNo_, !options_.snakesCollide);
    player2Person_->setPicture(options_.computerPlaysPlayer2 ? pictures_.personOff
                                                             : pictures_.personOn);
    player2Computer_->setPicture(options_.computerPlaysPlayer2 ? pictures_.computerOn
                                                               : pictures_.computerOff);
    ShowChoice(*player2Person_, !options_.computerPlaysPlayer2);
    ShowChoice(*player2Computer_, options_.computerPlaysPlayer2);
    playersPicture_->setPicture(options_.twoPlayers ? pictures_.twoPlayers : pictures_.onePlayer);
    playersPicture_->setAccessibleName(options_.twoPlayers ? tr("Players: two")
                                                           : tr("Players: one"));
    (options_.campaign ? campaignOption_ : classicOption_)->setChecked(true);
}

void SettingsWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPixmap& background =
        book_.Pixmap(pictures_.background, painter.device()->devicePixelRatioF());
    shape_->PaintBackground(painter, background);
    DrawWords(painter, *this, event->region(), background);
}

// Placed once, over the main window's screen: after a drag the window opens
// again where it was left (where the platform lets programs place windows).
void SettingsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        CentreOnScreen(*this, parentWidget() != nullptr ? parentWidget()->screen() : screen());
    }
}

} // namespace zorvik
