// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

struct GameSound {
    // The file's path below the assets directory, e.g. "sounds/bite.wav".
    std::string path;
    std::vector<std::int16_t> samples;
};

// Every sound of the game, rendered.
std::vector<GameSound> GameSounds();

} // namespace soundgen
