// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/fitted_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <algorithm>

namespace zorvik {

namespace {

constexpr qreal kSmallestShare = 2.0 / 3.0;
constexpr qreal kStep = 0.25;

} // namespace

void SetFittedText(QLabel& label, const QString& text) {
    QFont font = label.font();
    const qreal smallest = font.pointSizeF() * kSmallestShare;
    const qreal width = label.contentsRect().width() - std::max(label.indent(), 0);
    while (QFontMetricsF(font).horizontalAdvance(text) > width &&
           font.pointSizeF() - kStep >= smallest) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    label.setFont(font);
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, width);
    label.setText(shown);
    if (shown != text) {
        label.setAccessibleName(text);
    }
}

} // namespace zorvik
