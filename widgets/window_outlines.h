// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QByteArray>
#include <span>

namespace zorvik {

// The region-data bytes of each borderless window's rounded outline, in pixels
// of its background picture.
QByteArray MainWindowRegion();
QByteArray SettingsRegion();
QByteArray NamesRegion();

// The bands of each window's upper corners; the lower corners mirror them.
// The pictures are painted to follow the same bands.
std::span<const Band> MainWindowBands();
std::span<const Band> SettingsBands();
std::span<const Band> NamesBands();

} // namespace zorvik
