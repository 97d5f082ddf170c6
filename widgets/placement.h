// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

class QScreen;
class QWidget;

namespace zorvik {

// Whether the platform puts windows where the program asks (X11). Wayland
// places every window itself, each dialog over the window it belongs to.
bool PlatformPlacesWindows();

// Centres the window, frame included, on the available area of the screen,
// where the platform lets the program place windows. A window manager puts
// its frame around a window only once it is shown, so a framed window is
// centred again, once, when its frame is known.
void CentreOnScreen(QWidget& window, QScreen* screen);

} // namespace zorvik
