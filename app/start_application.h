// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QApplication>
#include <memory>

namespace zorvik {

// Builds the application, which connects to the display. Where no display can
// be opened, Qt would give up with an abort and advice to reinstall; instead
// this prints one line naming the display and exits with code 1. Qt's other
// messages of that moment are held back until the connection stands, so a
// failed start prints that line alone.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

} // namespace zorvik
