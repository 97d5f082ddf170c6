// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

namespace zorvik {

// Shows screen readers the game's painted controls (hot spots, picture boxes
// and name labels) as what they are: a button that can be pressed when
// something listens to its clicks, and otherwise a picture or a text. A
// press does what a click does. The main window is a window.
void InstallAccessibleControls();

} // namespace zorvik
