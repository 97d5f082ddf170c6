// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QPointF>

class QWidget;

namespace zorvik {

// Moves a borderless window by its surface: called from the window's own
// mouse-press handler with the press position on the screen. The window
// manager's move is asked for first; where the platform refuses it, the
// window follows the mouse itself until the button is released. An error is
// reported in a message box titled " Error".
void StartWindowDrag(QWidget& window, QPointF globalPressPosition);

} // namespace zorvik
