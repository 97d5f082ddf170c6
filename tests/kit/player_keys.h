// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/player_action.h"

namespace zorvik::testkit::keys {

// The players' keys, by the actions they ask for.
inline constexpr PlayerControl Left{1, PlayerAction::TurnLeft}, Up{1, PlayerAction::TurnUp},
    Right{1, PlayerAction::TurnRight}, Down{1, PlayerAction::TurnDown},
    Control{1, PlayerAction::Bite}, A{2, PlayerAction::TurnLeft}, W{2, PlayerAction::TurnUp},
    D{2, PlayerAction::TurnRight}, S{2, PlayerAction::TurnDown}, Tab{2, PlayerAction::Bite};

} // namespace zorvik::testkit::keys
