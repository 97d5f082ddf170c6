// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QByteArray>

namespace zorvik {

// The region-data bytes of each borderless window's rounded outline, in pixels
// of its background picture.
QByteArray MainWindowRegion();
QByteArray SettingsRegion();
QByteArray NamesRegion();

} // namespace zorvik
