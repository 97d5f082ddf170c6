// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/sdl_library.h"

#include <dlfcn.h>
#include <mutex>

namespace zorvik::sdl {

namespace {

QString LoadOnce() {
    // Kept loaded for the rest of the run, as SDL's own threads may still
    // run code of it at exit.
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (library == nullptr) {
        return QString::fromLocal8Bit(dlerror());
    }
    QString missing;
    const auto find = [library, &missing](auto& pointer, const char* name) {
        pointer =
            reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(dlsym(library, name));
        if (pointer == nullptr && missing.isEmpty()) {
            missing = QStringLiteral("%1 is missing from SDL").arg(QLatin1StringView(name));
        }
    };
#define ZORVIK_SDL_FIND(name) find(name, "SDL_" #name);
    ZORVIK_SDL_FUNCTIONS(ZORVIK_SDL_FIND)
#undef ZORVIK_SDL_FIND
    return missing;
}

} // namespace

const QString& Load() {
    static std::once_flag once;
    static QString failure;
    std::call_once(once, [] { failure = LoadOnce(); });
    return failure;
}

} // namespace zorvik::sdl
