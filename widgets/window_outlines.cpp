// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/window_outlines.h"

#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/outline.h"
#include "widgets/settings_layout.h"

namespace zorvik {

QByteArray MainWindowRegion() {
    using namespace layout::mainwindow;
    return BuildRegion(kBackground.width(), kBackground.height(), kOutlineBands);
}

QByteArray SettingsRegion() {
    using namespace layout::settings;
    return BuildRegion(kBackground.width(), kBackground.height(), kOutlineBands);
}

QByteArray NamesRegion() {
    using namespace layout::names;
    const std::array extras{kContinueLip};
    return BuildRegion(kBackground.width(), kBackground.height(), kOutlineBands, extras);
}

} // namespace zorvik
