// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/fonts.h"

#include <QStringList>

namespace zorvik {

// Each face is asked for by its classic name first; where that is missing,
// a similar face from Debian's font packages serves.
QFont DisplayFont(qreal pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Lato Black"),
                      QStringLiteral("Lato"), QStringLiteral("DejaVu Sans")});
    font.setWeight(QFont::Black);
    font.setPointSizeF(pointSize);
    return font;
}

QFont PlainFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setBold(bold);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace zorvik
