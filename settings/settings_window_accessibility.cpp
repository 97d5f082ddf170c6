// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/option_pictures.h"
#include "settings/settings_window.h"
#include "widgets/picture_box.h"

#include <QRadioButton>
#include <span>
#include <utility>

namespace zorvik {

namespace {

// Names a row of choices by their colours.
void NameRow(QWidget& window, const QString& row, const QString& caption,
             std::span<const char* const> colours) {
    for (std::size_t place = 0; place < colours.size(); ++place) {
        window.findChild<QWidget*>(row + QString::number(place))
            ->setAccessibleName(caption + QLatin1String(colours[place]));
    }
}

} // namespace

// The players picture is named as it changes, with the options it shows.
void SettingsWindow::NameControls() {
    const std::pair<const char*, const char*> names[] = {
        {"player1Preview", "Player 1 snake"},
        {"player2Preview", "Player 2 snake"},
        {"obstaclePreview", "Obstacles"},
        {"collideYes", "Collide: Yes"},
        {"collideNo", "Collide: No"},
        {"player2Person", "Player 2: Person"},
        {"player2Computer", "Player 2: Computer"},
        {"classicOption", "Classic game"},
        {"campaignOption", "Campaign"},
        {"yesButton", "Yes"},
        {"noButton", "No"},
    };
    for (const auto& [object, name] : names) {
        findChild<QWidget*>(QLatin1String(object))->setAccessibleName(QLatin1String(name));
    }
    for (std::size_t step = 0; step < speedSegments_.size(); ++step) {
        speedSegments_[step]->setAccessibleName(QStringLiteral("Speed %1").arg(step + 1));
    }
    NameRow(*this, QStringLiteral("player1Swatch"), QStringLiteral("Player 1 colour: "),
            OptionPictures::kSnakeColours);
    NameRow(*this, QStringLiteral("player2Swatch"), QStringLiteral("Player 2 colour: "),
            OptionPictures::kSnakeColours);
    NameRow(*this, QStringLiteral("obstacleTile"), QStringLiteral("Obstacle tile: "),
            OptionPictures::kTileColours);
}

} // namespace zorvik
