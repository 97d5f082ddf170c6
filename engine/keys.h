// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

namespace zorvik {

// The keys the game reads, by their virtual-key codes.
namespace vk {
inline constexpr int Tab = 0x09;
inline constexpr int Control = 0x11;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int A = 0x41;
inline constexpr int D = 0x44;
inline constexpr int S = 0x53;
inline constexpr int W = 0x57;
} // namespace vk

} // namespace zorvik
