// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

class QObject;

namespace zorvik {

// Gives every window of the game, from the next one shown on, the game's
// icon at every size the picture generator paints. The icon's pictures are
// read only when a window is given them, and let go at once.
void GiveWindowsTheGameIcon(QObject& application);

} // namespace zorvik
