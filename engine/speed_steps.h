// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <array>

namespace zorvik {

// The game timer's interval in milliseconds at each speed step, slowest
// first; the settings window's speed indicator has one segment per step.
inline constexpr std::array<int, 7> kSpeedSteps{250, 200, 150, 100, 75, 50, 25};

// Every start of the program plays at 150 ms.
inline constexpr int kDefaultSpeedStep = 2;

} // namespace zorvik
