// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QByteArray>

namespace zorvik {

// What shapes each borderless window, in pixels of its background picture.
WindowOutline MainWindowOutline();
WindowOutline SettingsOutline();
WindowOutline NamesOutline();

// The region-data bytes of each borderless window's rounded outline, in pixels
// of its background picture.
QByteArray MainWindowRegion();
QByteArray SettingsRegion();
QByteArray NamesRegion();

} // namespace zorvik
