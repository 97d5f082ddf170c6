// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/option_pictures.h"

#include "widgets/picture_book.h"

#include <QString>

namespace zorvik {

namespace {
constexpr std::array<const char*, 5> kSnakes{"green", "red", "yellow", "darkred", "blue"};
constexpr std::array<const char*, 8> kTiles{"beige", "red",  "magenta", "orange",
                                            "blue",  "cyan", "green",   "yellow"};
} // namespace

OptionPictures::OptionPictures(PictureBook& book) {
    for (std::size_t i = 0; i < snakes.size(); ++i) {
        snakes[i] = book.Load(QStringLiteral(":/cells/snake-%1.png").arg(kSnakes[i]));
    }
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        tiles[i] = book.Load(QStringLiteral(":/cells/tile-%1.png").arg(kTiles[i]));
    }
}

GameOptions OptionPictures::DefaultOptions() const {
    GameOptions options;
    options.snake1 = snakes[1];
    options.snake2 = snakes[0];
    options.obstacle = tiles[1];
    return options;
}

} // namespace zorvik
