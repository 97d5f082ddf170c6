// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

class QLabel;
class QString;

namespace zorvik {

// Shows one line of text in a label whose place was made for the English:
// a longer translation first takes a smaller size of the label's font, down
// to two thirds of it, and is elided only if it still does not fit, so that
// it is never cut by the label's edge or drawn over its neighbour.
void SetFittedText(QLabel& label, const QString& text);

} // namespace zorvik
