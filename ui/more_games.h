// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

namespace zorvik {

// The web page that the More Games hot spot opens in the desktop's browser.
inline constexpr char kMoreGamesAddress[] = "https://www.example.com/zorvik/more-games";

} // namespace zorvik
