// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/window_outlines.h"

#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/settings_layout.h"

namespace zorvik {

namespace {

constexpr std::array kNamesExtras{layout::names::kContinueLip};

QByteArray RegionOf(const WindowOutline& outline) {
    return BuildRegion(outline.width, outline.height, outline.upperBands, outline.extras);
}

} // namespace

WindowOutline MainWindowOutline() {
    using namespace layout::mainwindow;
    return {kBackground.width(), kBackground.height(), kOutlineBands, {}};
}

WindowOutline SettingsOutline() {
    using namespace layout::settings;
    return {kBackground.width(), kBackground.height(), kOutlineBands, {}};
}

WindowOutline NamesOutline() {
    using namespace layout::names;
    return {kBackground.width(), kBackground.height(), kOutlineBands, kNamesExtras};
}

QByteArray MainWindowRegion() {
    return RegionOf(MainWindowOutline());
}

QByteArray SettingsRegion() {
    return RegionOf(SettingsOutline());
}

QByteArray NamesRegion() {
    return RegionOf(NamesOutline());
}

} // namespace zorvik
