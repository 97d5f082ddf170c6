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
      yesup(book.Load(QStringLiteral(":/settings/yes-up.png"))),
      yesdown(book.Load(QStringLiteral(":/settings/yes-down.png"))),
      noup(book.Load(QStringLiteral(":/settings/no-up.png"))),
      nodown(book.Load(QStringLiteral(":/settings/no-down.png"))),
      SpeedDown(book.Load(QStringLiteral(":/settings/speed-off.png"))),
      oneplayer(book.Load(QStringLiteral(":/settings/one-player.png"))),
      twoplayer(book.Load(QStringLiteral(":/settings/two-player.png"))) {
    for (std::size_t i = 0; i < SpeedUp.size(); ++i) {
        SpeedUp[i] = book.Load(QStringLiteral(":/settings/speed-%1.png").arg(i));
    }
}

} // namespace zorvik
