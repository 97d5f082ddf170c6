// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QStringList>
#include <optional>

namespace zorvik {

// Reads the command line (program name first). The game takes only --help and
// --version: those print and give exit code 0, anything else is refused with
// a message on stderr and exit code 2. Returns nothing when the game should
// start. Needs no application object, so it works without a display.
std::optional<int> HandleCommandLine(const QStringList& arguments);

} // namespace zorvik
