// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game as a player starts it, with one gamepad plugged in: a pad that
// SDL simulates in this process, left untouched, so that what the game pays
// for reading a pad shows beside what it pays without.
#include "app/start_application.h"
#include "tests/virtual_joystick.h"
#include "ui/main_window.h"
#include "widgets/picture_book.h"

#include <SDL.h>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Zorvik"));
    const auto app = zorvik::StartApplication(argc, argv);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0 ||
        zorvik::testkit::PlugVirtualPad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, "Measured pad") ==
            nullptr) {
        std::fprintf(stderr, "no virtual pad: %s\n", SDL_GetError());
        return 1;
    }
    zorvik::PictureBook book;
    zorvik::MainWindow window(book, 1);
    window.show();
    const int status = QApplication::exec();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    return status;
}
