// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/option_pictures.h"
#include "settings/settings_window.h"
#include "widgets/painted_word.h"
#include "widgets/picture_box.h"

#include <QRadioButton>
#include <span>
#include <utility>

namespace zorvik {

namespace {

// Names a row of choices by their colours; `caption` holds %1 for the colour.
void NameRow(QWidget& window, const QString& row, const QString& caption,
             std::span<const char* const> colours) {
    for (std::size_t place = 0; place < colours.size(); ++place) {
        window.findChild<QWidget*>(row + QString::number(place))
            ->setAccessibleName(caption.arg(SettingsWindow::tr(colours[place])));
    }
}

} // namespace

// The players picture is named as it changes, with the options it shows.
void SettingsWindow::NameControls() {
    const std::pair<const char*, const char*> names[] = {
        {"player1Preview", QT_TR_NOOP("Player 1 snake")},
        {"player2Preview", QT_TR_NOOP("Player 2 snake")},
        {"obstaclePreview", QT_TR_NOOP("Obstacles")},
        {"collideYes", QT_TR_NOOP("Collide: Yes")},
        {"collideNo", QT_TR_NOOP("Collide: No")},
        {"player2Person", QT_TR_NOOP("Player 2: Person")},
        {"player2Computer", QT_TR_NOOP("Player 2: Computer")},
        {"classicOption", QT_TR_NOOP("Classic game")},
        {"campaignOption", QT_TR_NOOP("Campaign")},
    };
    for (const auto& [object, name] : names) {
        findChild<QWidget*>(QLatin1String(object))->setAccessibleName(tr(name));
    }
    // Yes and No are called what they show, in every language.
    for (const char* button : {"yesButton", "noButton"}) {
        auto& box = *findChild<QWidget*>(QLatin1String(button));
        box.setAccessibleName(box.findChild<PaintedWord*>()->text());
    }
    for (std::size_t step = 0; step < speedSegments_.size(); ++step) {
        speedSegments_[step]->setAccessibleName(
            tr("Speed %1", "one of the seven speeds, 1 the slowest").arg(step + 1));
    }
    NameRow(*this, QStringLiteral("player1Swatch"), tr("Player 1 colour: %1"),
            OptionPictures::kSnakeColours);
    NameRow(*this, QStringLiteral("player2Swatch"), tr("Player 2 colour: %1"),
            OptionPictures::kSnakeColours);
    NameRow(*this, QStringLiteral("obstacleTile"), tr("Obstacle tile: %1"),
            OptionPictures::kTileColours);
}

} // namespace zorvik
