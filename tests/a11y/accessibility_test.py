#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright (c) 2026 the Zorvik developers
#
# Every control of every window, as a screen reader finds it over the
# accessibility bus: its role, its name and what pressing it does. Runs the
# windows program named on the command line on a private X display (Qt's
# bridge to the bus needs a real platform) inside the private session bus of
# dbus-run-session, on an accessibility bus of its own.
import os
import subprocess
import sys
import time

import pyatspi

MAIN_WINDOW = [
    ("filler", "Board"), ("push button", "Pause"), ("push button", "Help"),
    ("push button", "Minimise"), ("push button", "Exit"), ("push button", "New game"),
    ("push button", "Setup"), ("push button", "More Games"), ("push button", "Player1"),
    ("push button", "Player2"), ("label", "Player 1 score: 0"), ("label", "Player 2 score: 0"),
    ("label", "Power"), ("label", "Power"), ("filler", "Player 1 power: 100%"), ("frame", ""),
    ("filler", "Player 2 power: 100%"), ("frame", ""),
]
# A name ending in "*" stands for that start and any name of its own after it.
SETTINGS = (
    [("image", "Player 1 snake"), ("image", "Player 2 snake"), ("image", "Obstacles")]
    + [("push button", "Player 1 colour: *")] * 5 + [("push button", "Player 2 colour: *")] * 5
    + [("push button", "Obstacle tile: *")] * 8
    + [("push button", f"Speed {step}") for step in range(1, 8)]
    + [("push button", "Collide: Yes"), ("push button", "Collide: No"),
       ("push button", "Player 2: Person"), ("push button", "Player 2: Computer"),
       ("push button", "Players: one"), ("radio button", "Classic game"),
       ("radio button", "Campaign"), ("push button", "Yes"), ("push button", "No")]
)
NAMES = [
    ("label", "Names"), ("label", "Player1"), ("label", "Player2"),
    ("text", "Player 1 name"), ("text", "Player 2 name"), ("push button", "Continue"),
]
HELP = [
    ("image", "Zorvik"), ("image", "A coiled snake"), ("text", "Help"),
    ("image", "The players' keys"), ("label", "Player1"), ("label", "Player2"),
]
# The main window of a German desktop, as its screen reader reads it.
MAIN_WINDOW_IN_GERMAN = [
    ("filler", "Spielfeld"), ("push button", "Pause"), ("push button", "Hilfe"),
    ("push button", "Minimieren"), ("push button", "Beenden"), ("push button", "Neues Spiel"),
    ("push button", "Einstellungen"), ("push button", "Weitere Spiele"),
    ("push button", "Spieler1"), ("push button", "Spieler2"),
    ("label", "Punktestand von Spieler 1: 0"), ("label", "Punktestand von Spieler 2: 0"),
    ("label", "Kraft"), ("label", "Kraft"), ("filler", "Kraft von Spieler 1: 100\u00a0%"),
    ("frame", ""), ("filler", "Kraft von Spieler 2: 100\u00a0%"), ("frame", ""),
]
LEVEL_END = [("label", "Level 2"), ("label", "")]
GAME_END = [("label", ""), ("label", "\u2068Player1\u2069 was bitten to death")]


def wait(what, seconds=10):
    """Polls `what` until it gives something other than None or False."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            result = what()
            if result:
                return result
        except Exception:  # a window coming or going mid-walk
            pass
        time.sleep(0.1)
    return None


class Checks:
    def __init__(self, program):
        self.program = program
        self.failures = 0

    def app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.program.pid:
                return app
        return None

    def window(self, role):
        """The top-level window of `role` that is showing."""
        for window in self.app():
            if window.getRoleName() == role and window.getState().contains(
                    pyatspi.STATE_SHOWING):
                return window
        return None

    @staticmethod
    def controls(window):
        """Role and name of every control inside `window`, in order, but the
        insides of Qt's own widgets (a text box's scroll bars)."""
        found = []
        for child in window:
            found.append((child.getRoleName(), child.name))
            if child.getRoleName() not in ("text", "scroll pane"):
                found += Checks.controls(child)
        return found

    def control(self, window, name):
        return next(c for c in window if c.name == name)

    def check(self, ok, message):
        if not ok:
            self.failures += 1
            print("FAIL:", message, flush=True)

    @staticmethod
    def matches(got, expected):
        """Whether the controls are those expected, each named, and the ones a
        "*" stands for each by a name of its own."""
        if got is None or len(got) != len(expected):
            return False
        for (role, name), (want_role, want) in zip(got, expected):
            if role != want_role or not (name == want or (
                    want.endswith("*") and name.startswith(want[:-1]) and len(name) >= len(want))):
                return False
        named = [name for (_, name), (_, want) in zip(got, expected) if want.endswith("*")]
        return len(set(named)) == len(named)

    def lists(self, role, expected, title):
        window = wait(lambda: self.window(role))
        got = self.controls(window) if window else None
        self.check(self.matches(got, expected), f"{title}: {got!r}\n  want {expected!r}")
        return window

    def press(self, control):
        action = control.queryAction()
        index = next(i for i in range(action.nActions) if action.getName(i) == "Press")
        action.doAction(index)

    def names(self, window, name):
        return wait(lambda: any(c.name == name for c in window))

    def send(self, line):
        self.program.stdin.write(line + "\n")
        self.program.stdin.flush()

    def run_in_german(self):
        self.check(wait(self.app), "no application on the accessibility bus")
        main = self.lists("frame", MAIN_WINDOW_IN_GERMAN, "main window in German")
        self.press(self.control(main, "Beenden"))
        self.check(self.program.wait(15) == 0, "Beenden did not end the program cleanly")

    def run(self):
        self.check(wait(self.app), "no application on the accessibility bus")
        main = self.lists("frame", MAIN_WINDOW, "main window")
        # The pause button says what it does, a press through the bus does
        # what a click does, and it then says the other.
        self.press(self.control(main, "Pause"))
        self.check(self.names(main, "Resume"), "pressing Pause did not make it Resume")
        self.press(self.control(main, "Resume"))
        self.check(self.names(main, "Pause"), "pressing Resume did not make it Pause")
        # The score and the power bar say their new values once they show them.
        self.send("bite")
        for value in ("Player 1 score: 500", "Player 1 power: 50%"):
            self.check(self.names(main, value), f"no {value} once it showed")

        # Setup pauses; a press on the players picture makes a two-player game.
        self.press(self.control(main, "Setup"))
        settings = self.lists("dialog", SETTINGS, "settings")
        self.check(self.names(main, "Resume"), "Setup left the pause button saying Pause")
        self.press(self.control(settings, "Players: one"))
        self.check(self.names(settings, "Players: two"), "the players picture did not press")
        self.press(self.control(settings, "No"))
        self.check(wait(lambda: self.window("dialog") is None), "No did not close the settings")

        self.press(self.control(main, "Player1"))
        self.lists("dialog", NAMES, "names dialog")
        self.press(self.control(self.window("dialog"), "Continue"))
        self.check(wait(lambda: self.window("dialog") is None), "Continue did not close")

        self.press(self.control(main, "Help"))
        self.lists("dialog", HELP, "help window")
        self.send("close")
        for line, expected in (("level", LEVEL_END), ("message", GAME_END)):
            self.check(wait(lambda: self.window("dialog") is None), "a window stayed open")
            self.send(line)
            self.lists("dialog", expected, f"{line} end screen")
            self.send("close")

        self.press(self.control(main, "Exit"))
        self.check(self.program.wait(15) == 0, "Exit did not end the program cleanly")


def start_display():
    """A private X display with a window manager, the same as every test's."""
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "kit",
                          "private_display.sh")
    desktop = subprocess.Popen([script, "210", "1024x768x24", "accessibility"],
                               stdout=subprocess.PIPE, text=True)
    display = desktop.stdout.readline().strip()
    if not display.startswith(":"):
        sys.exit("no private display; see accessibility-xvfb.log")
    return desktop, display


def main():
    desktop, display = start_display()
    processes = [desktop]
    try:
        # The bus for accessibility, up before the program looks for it.
        processes.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher",
                                           "--launch-immediately"]))
        time.sleep(0.5)
        failures = 0
        # Once in English, whatever the machine's language, and once on a
        # German desktop.
        for language, walk in (("en", Checks.run), ("de", Checks.run_in_german)):
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANGUAGE=language)
            program = subprocess.Popen([sys.argv[1]], env=env, stdin=subprocess.PIPE, text=True)
            processes.append(program)
            checks = Checks(program)
            walk(checks)
            failures += checks.failures
        return 1 if failures else 0
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())
