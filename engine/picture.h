// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <cstdint>

namespace zorvik {

// A handle to one picture. Two handles are equal exactly when they name the
// very same picture, so a state kept in a picture is tested by comparing
// handles. The window side maps handles to real images; the engine never
// knows what a picture looks like. The default handle is "no picture".
struct Picture {
    std::uint16_t id = 0;
    friend bool operator==(Picture, Picture) = default;
};

} // namespace zorvik
