// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/game_pictures.h"

#include "settings/option_pictures.h"
#include "widgets/picture_book.h"

#include <QString>

namespace zorvik {

GamePictures::GamePictures(PictureBook& book, const OptionPictures& choices) {
    cells.BBlock = book.Load(QStringLiteral(":/cells/empty.png"));
    cells.SBlock = choices.redSnake();
    cells.IM2P = choices.greenSnake();
    cells.colpic = book.Load(QStringLiteral(":/cells/black-head.png"));
    cells.Obs = choices.redTile();
    for (std::size_t i = 0; i < cells.FPIC.size(); ++i) {
        cells.FPIC[i] = book.Load(QStringLiteral(":/cells/food-%1.png").arg(i));
    }
    cells.FBlock = cells.FPIC[0];

    pause1 = book.Load(QStringLiteral(":/main/pause.png"));
    play1 = book.Load(QStringLiteral(":/main/play.png"));
    help = book.Load(QStringLiteral(":/main/help.png"));
    minimise = book.Load(QStringLiteral(":/main/minimise.png"));
    exit = book.Load(QStringLiteral(":/main/exit.png"));
}

} // namespace zorvik
