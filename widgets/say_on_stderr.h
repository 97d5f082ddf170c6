// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QString>
#include <cstdio>

namespace zorvik {

// One line on stderr in the game's own voice: "zorvik: " and what happened,
// in the desktop's encoding.
inline void SayOnStderr(const QString& what) {
    std::fputs(qPrintable(QStringLiteral("zorvik: ") + what + u'\n'), stderr);
}

} // namespace zorvik
