// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"

#include <QString>

class QFontMetrics;

namespace zorvik {

// The end screen's line for a message, fitted to a width in a font: the
// words of the ending always whole, the names shortened as far as needed so
// that the outcome always shows. Each name is isolated (U+2068 ... U+2069),
// so that a direction mark typed into a name cannot turn the words beside it.
QString FitEndMessage(const EndMessage& message, const QFontMetrics& metrics, int width);

} // namespace zorvik
