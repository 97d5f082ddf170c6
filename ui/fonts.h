// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QFont>

namespace zorvik {

// The heavy display face of names, titles and end messages.
QFont DisplayFont(qreal pointSize);
// The plain sans face of scores and captions.
QFont PlainFont(qreal pointSize, bool bold);

} // namespace zorvik
