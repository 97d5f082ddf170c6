// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QStringList>

class QWindow;

namespace zorvik::x11 {

// The icon the X11 window manager shows for a window, written by the game
// rather than by Qt. Qt reads every size of an icon into memory for as long
// as the icon lives, and on making each window builds the whole property
// beside a converted copy of each picture: some 4 MB at once for a 512-pixel
// icon. Written here, one picture at a time straight from its PNG, only the
// picture being sent is in memory, and only while it is sent.

// Whether the window has an icon already.
bool HasIcon(QWindow& window);

// Gives the window the icon of these pictures, one size each (embedded PNGs,
// e.g. ":/icons/icon-16.png"). Meant for a window not yet shown, whose
// property the window manager does not yet watch: it would read it anew for
// every picture sent.
void GiveIcon(QWindow& window, const QStringList& pictures);

} // namespace zorvik::x11
