// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

namespace zorvik {

// How to play, as the help window shows it: 26 lines, each ending in a
// carriage return and line feed.
extern const char kHelpText[];

} // namespace zorvik
