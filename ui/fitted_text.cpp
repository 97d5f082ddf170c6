// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/fitted_text.h"

#include "paint/lettering.h"

#include <QLabel>
#include <algorithm>

namespace zorvik {

void SetFittedText(QLabel& label, const QString& text) {
    const paintkit::FittedText fitted = paintkit::fitText(
        text, label.font(), label.contentsRect().width() - std::max(label.indent(), 0));
    label.setFont(fitted.font);
    label.setText(fitted.text);
    if (fitted.text != text) {
        label.setAccessibleName(text);
    }
}

} // namespace zorvik
