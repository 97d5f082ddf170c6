// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/game_pictures.h"

#include "widgets/picture_book.h"

#include <QString>

namespace zorvik {

GamePictures::GamePictures(PictureBook& book)
    : pause(book.Load(QStringLiteral(":/main/pause.png"))),
      play(book.Load(QStringLiteral(":/main/play.png"))),
      help(book.Load(QStringLiteral(":/main/help.png"))),
      minimise(book.Load(QStringLiteral(":/main/minimise.png"))),
      exit(book.Load(QStringLiteral(":/main/exit.png"))) {
    board.empty = book.Load(QStringLiteral(":/cells/empty.png"));
    board.blackHead = book.Load(QStringLiteral(":/cells/black-head.png"));
    for (std::size_t i = 0; i < board.foods.size(); ++i) {
        board.foods[i] = book.Load(QStringLiteral(":/cells/food-%1.png").arg(i));
    }
}

} // namespace zorvik
