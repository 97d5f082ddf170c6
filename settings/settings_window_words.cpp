// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "paint/paint_kit.h"
#include "settings/settings_window.h"
#include "widgets/painted_word.h"
#include "widgets/picture_box.h"
#include "widgets/settings_layout.h"

namespace zorvik {

namespace {

using namespace layout::settings;
using paintkit::Lettering;

constexpr QColor kCaptionInk{30, 34, 88};
// Captions start at the window's left margin and end short of their row.
constexpr qreal kCaptionLeft = 28;
constexpr qreal kRoom = 4;

Lettering Caption(int flags = Qt::AlignLeft | Qt::AlignVCenter) {
    return paintkit::captionLettering(13, true, kCaptionInk, flags);
}

// A row's caption, centred on the row's height, up to where the row begins.
QRectF CaptionBefore(const QRectF& row, qreal rowLeft) {
    return {kCaptionLeft, row.center().y() - 10, rowLeft - kRoom - kCaptionLeft, 20};
}

// The face of a choice of the collide row or the player 2 row, in the
// choice's own pixels, short of its rounded ends.
QRectF ChoiceFace(const QRect& choice) {
    return QRectF(0, 0, choice.width(), choice.height()).adjusted(4, 2, -4, -3);
}

} // namespace

void SettingsWindow::LetterWords() {
    new PaintedWord(*this, "title", QRectF(80, 12, 268, 50),
                    paintkit::titleLettering(34, paintkit::palette::gold),
                    tr("Setup", "the settings window's title"));
    // Each row's caption stops short of the preview or the controls it names.
    const qreal previewLeft = kPlayer1Preview.left() - 3;
    const std::tuple<const char*, QRectF, QString> captions[] = {
        {"player1SnakeCaption", CaptionBefore(kPlayer1Swatches.Span(), previewLeft),
         tr("Player 1 Snake")},
        {"player2SnakeCaption", CaptionBefore(kPlayer2Swatches.Span(), previewLeft),
         tr("Player 2 Snake")},
        {"obstacleCaption", CaptionBefore(kObstacleTiles.Span(), previewLeft),
         tr("Snake Obstacle", "the colour of the walls of a campaign level")},
        {"speedCaption", CaptionBefore(kSpeedIndicator, kSpeedIndicator.left() - 5), tr("Speed")},
        {"collideCaption", CaptionBefore(kCollideYes, kCollideYes.left()),
         tr("Snakes can collide")},
        {"player2Caption", CaptionBefore(kPlayer2Person, kPlayer2Person.left()),
         tr("Player 2", "the row that chooses who steers player 2")},
    };
    for (const auto& [name, place, text] : captions) {
        new PaintedWord(*this, name, place, Caption(), text);
    }

    const qreal headingTop = 336 + kBelowPlayer2Row;
    const qreal playersCentre = QRectF(kPlayersPicture).center().x();
    new PaintedWord(*this, "playersHeading", QRectF(playersCentre - 84.5, headingTop, 169, 20),
                    Caption(Qt::AlignCenter),
                    tr("Snakes no'", "the heading over the picture that sets one or two players"));
    const QRectF gameType(kClassicOption.left() - 2, headingTop, 180, 20);
    new PaintedWord(*this, "gameTypeHeading", gameType,
                    paintkit::titleLettering(18, paintkit::palette::navy, Qt::AlignLeft),
                    tr("Game Type"));
    const qreal optionCaptionLeft = kClassicOption.right() + 9;
    const qreal optionCaptionWidth = kClientArea.width() - 12 - optionCaptionLeft;
    new PaintedWord(
        *this, "classicCaption",
        QRectF(optionCaptionLeft, QRectF(kClassicOption).center().y() - 10, optionCaptionWidth, 20),
        Caption(), tr("Classic", "the game of endless food"));
    new PaintedWord(*this, "campaignCaption",
                    QRectF(optionCaptionLeft, QRectF(kCampaignOption).center().y() - 10,
                           optionCaptionWidth, 20),
                    Caption(), tr("Campaign", "the game of seven levels"));

    const std::tuple<PictureBox*, const char*, QString> choices[] = {
        {collideYes_, "collideYesLettering", tr("Yes", "snakes can collide")},
        {collideNo_, "collideNoLettering", tr("No", "snakes cannot collide")},
        {player2Person_, "player2PersonLettering", tr("Person", "a person steers player 2")},
        {player2Computer_, "player2ComputerLettering",
         tr("Computer", "the computer steers player 2")},
    };
    for (const auto& [choice, name, text] : choices) {
        new PaintedWord(*choice, name, ChoiceFace(choice->geometry()), {}, text);
    }

    const std::tuple<const char*, const char*, QString> commands[] = {
        {"yesButton", "yesLettering", tr("Yes", "apply the settings")},
        {"noButton", "noLettering", tr("No", "leave the settings as they were")},
    };
    for (const auto& [button, name, text] : commands) {
        auto& box = *findChild<PictureBox*>(QLatin1String(button));
        new PaintedWord(box, name,
                        QRectF(0, 0, box.width(), box.height()).adjusted(5.5, 1, -5.5, -3),
                        paintkit::titleLettering(21, Qt::white), text);
    }
}

// A chosen choice is pressed in and lettered green, the other raised and grey.
void SettingsWindow::ShowChoice(PictureBox& choice, bool chosen) {
    const QRectF face = ChoiceFace(choice.geometry());
    choice.findChild<PaintedWord*>()->Restyle(
        chosen ? face.translated(0, 1) : face,
        paintkit::titleLettering(19, chosen ? QColor(20, 150, 40) : QColor(132, 132, 150)));
}

} // namespace zorvik
