// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Starts the game and reports how long after the launch its main window was
// first mapped, first showed its painted board, and first showed the snake,
// then closes the game. Usage: zorvik_first_frame GAME_EXECUTABLE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kWindowName = "Zorvik";

struct Colour {
    int red;
    int green;
    int blue;
};

// A pixel of the main window and whether a colour is what it should show.
struct Probe {
    int x;
    int y;
    bool (*shows)(Colour);
};

// The centre of a board cell, in the main window.
constexpr int CellCentreX(int column) {
    return 31 + column * 16 + 8;
}
constexpr int CellCentreY(int row) {
    return 34 + row * 16 + 8;
}

// Cell 0 shows the empty-cell lavender as soon as the board is painted: the
// top row never holds food, the snake or, at level 1, a wall.
constexpr Probe kBoardPainted{CellCentreX(0), CellCentreY(0), [](Colour c) {
                                  return c.red > 170 && c.red < 235 && c.green > 170 &&
                                         c.green < 235 && c.blue > 220;
                              }};
// Cell 103 is red from the snake's first step to its third: the start-up
// repaint of the board leaves the snake for the first tick to draw.
constexpr Probe kSnakeShown{CellCentreX(13), CellCentreY(3),
                            [](Colour c) { return c.red > 150 && c.green < 100 && c.blue < 100; }};

constexpr auto kPoll = std::chrono::milliseconds(1);
constexpr auto kGiveUp = std::chrono::seconds(20);

// Windows come and go while we look at them; a vanished one is no error.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

bool IsViewableGameWindow(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable) {
        return false;
    }
    char* name = nullptr;
    const bool match = XFetchName(display, window, &name) != 0 && name != nullptr &&
                       std::strcmp(name, kWindowName) == 0;
    XFree(name);
    return match;
}

// The window manager puts the game's window inside a frame, so the search
// goes a few levels below the root.
std::optional<Window> FindGameWindow(Display* display, Window parent, int depth) {
    Window root = 0;
    Window grandparent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, parent, &root, &grandparent, &children, &count) == 0) {
        return std::nullopt;
    }
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        if (IsViewableGameWindow(display, children[i])) {
            found = children[i];
        } else if (depth > 1) {
            found = FindGameWindow(display, children[i], depth - 1);
        }
    }
    XFree(children);
    return found;
}

int Channel(unsigned long pixel, unsigned long mask) {
    return static_cast<int>((pixel & mask) >> std::countr_zero(mask)) * 255 /
           static_cast<int>(mask >> std::countr_zero(mask));
}

bool Shows(Display* display, Window window, const Probe& probe) {
    XImage* image = XGetImage(display, window, probe.x, probe.y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return false;
    }
    const unsigned long pixel = XGetPixel(image, 0, 0);
    const Colour colour{Channel(pixel, image->red_mask), Channel(pixel, image->green_mask),
                        Channel(pixel, image->blue_mask)};
    XDestroyImage(image);
    return probe.shows(colour);
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s GAME_EXECUTABLE\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);

    char* const gameArgv[] = {argv[1], nullptr};
    pid_t game = 0;
    const Clock::time_point launch = Clock::now();
    if (posix_spawn(&game, argv[1], nullptr, nullptr, gameArgv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }

    std::optional<Window> window;
    std::optional<Clock::duration> mapped;
    std::optional<Clock::duration> painted;
    std::optional<Clock::duration> snake;
    while (!snake && Clock::now() - launch < kGiveUp) {
        if (waitpid(game, nullptr, WNOHANG) == game) {
            std::fprintf(stderr, "the game exited during the measurement\n");
            return 1;
        }
        if (!window) {
            window = FindGameWindow(display, root, 3);
            if (window) {
                mapped = Clock::now() - launch;
            }
        }
        if (window && !painted && Shows(display, *window, kBoardPainted)) {
            painted = Clock::now() - launch;
        }
        if (painted && Shows(display, *window, kSnakeShown)) {
            snake = Clock::now() - launch;
        }
        std::this_thread::sleep_for(kPoll);
    }

    kill(game, SIGTERM);
    waitpid(game, nullptr, 0);
    XCloseDisplay(display);
    if (!snake) {
        std::fprintf(stderr, "no painted board with the snake within %lld s\n",
                     static_cast<long long>(kGiveUp.count()));
        return 1;
    }
    std::printf("window mapped %.1f ms, first frame %.1f ms, snake shown %.1f ms\n",
                Milliseconds(*mapped), Milliseconds(*painted), Milliseconds(*snake));
    return 0;
}
