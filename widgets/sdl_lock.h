// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <mutex>

namespace zorvik {

// SDL counts the users of each of its parts in plain counters and keeps its
// hints in a plain list, so two threads must never start or stop a part of
// it, or set hints, at once: the gamepads do on the window's thread, the
// sound on its own. Every such call holds this lock.
inline std::mutex& SdlLock() {
    static std::mutex lock;
    return lock;
}

} // namespace zorvik
