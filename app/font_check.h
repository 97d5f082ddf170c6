// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QString>

namespace zorvik {

// One line that names the faces the windows ask for but this machine lacks,
// the Debian packages that bring them and the face shown instead; empty when
// every face is present. Needs the application object (the font database).
QString MissingFontsWarning();

} // namespace zorvik
