// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"

#include <QString>
#include <array>

class QFontMetrics;

namespace zorvik {

// The players' names, player 1's first, as the windows show them.
using PlayerNames = std::array<QString, 2>;

// The end screen's line for a message, worded in the players' language and
// fitted to a width in a font: the words of the ending always whole, the
// names shortened as far as needed so that the outcome always shows. Each
// name is isolated (U+2068 ... U+2069), so that a direction mark typed into
// a name cannot turn the words beside it, and a name in one script reads
// rightly inside words of another.
QString FitEndMessage(const EndMessage& message, const PlayerNames& names,
                      const QFontMetrics& metrics, int width);

} // namespace zorvik
