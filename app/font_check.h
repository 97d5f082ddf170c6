// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QLocale>
#include <QString>

namespace zorvik {

// One line that names the faces the windows ask for but this machine lacks,
// the Debian packages that bring them and the face shown instead; empty when
// every face is present. Needs the application object (the font database).
QString MissingFontsWarning();

// One line that says no face on this machine has the letters of a language
// the game speaks, so its words would show as boxes, and the Debian package
// that brings them; empty when some face has them (fontconfig finds it).
QString MissingLettersWarning(const QLocale& language);

} // namespace zorvik
