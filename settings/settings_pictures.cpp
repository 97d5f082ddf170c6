// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/settings_pictures.h"

#include "widgets/picture_book.h"

#include <QString>

namespace zorvik {

SettingsPictures::SettingsPictures(PictureBook& book)
    : background(book.Load(QStringLiteral(":/settings/background.png"))),
      apply(book.Load(QStringLiteral(":/settings/apply.png"))),
      cancel(book.Load(QStringLiteral(":/settings/cancel.png"))),
      collideYesOff(book.Load(QStringLiteral(":/settings/yes-up.png"))),
      collideYesOn(book.Load(QStringLiteral(":/settings/yes-down.png"))),
      collideNoOff(book.Load(QStringLiteral(":/settings/no-up.png"))),
      collideNoOn(book.Load(QStringLiteral(":/settings/no-down.png"))),
      personOff(book.Load(QStringLiteral(":/settings/person-up.png"))),
      personOn(book.Load(QStringLiteral(":/settings/person-down.png"))),
      computerOff(book.Load(QStringLiteral(":/settings/computer-up.png"))),
      computerOn(book.Load(QStringLiteral(":/settings/computer-down.png"))),
      speedUnlit(book.Load(QStringLiteral(":/settings/speed-off.png"))),
      onePlayer(book.Load(QStringLiteral(":/settings/one-player.png"))),
      twoPlayers(book.Load(QStringLiteral(":/settings/two-player.png"))) {
    for (std::size_t i = 0; i < speedLit.size(); ++i) {
        speedLit[i] = book.Load(QStringLiteral(":/settings/speed-%1.png").arg(i));
    }
}

} // namespace zorvik
