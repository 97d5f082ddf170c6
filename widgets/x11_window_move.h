// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QPointF>

class QWindow;

namespace zorvik::x11 {

// Moves by the X11 window manager, asked for with the window manager hints'
// move request. Qt's own request names the last pointer position it has
// read, which may already lie past the first motion of a drag: the window
// manager would then move the window by less than the pointer went.

// Asks the window manager to move `window` with the pointer, which is at
// `pointer` (global, in Qt's pixels), until the left button comes up. The
// pointer is given up to the window manager. False where it takes no such
// request.
bool RequestMove(QWindow& window, QPointF pointer);

// Calls off the move asked for. The window manager begins it only when it
// gets to the request, so a button that came up before then would leave the
// window following the pointer until the next click.
void CancelMove(QWindow& window);

} // namespace zorvik::x11
