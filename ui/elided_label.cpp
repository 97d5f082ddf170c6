// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/elided_label.h"

#include <QEvent>
#include <QPainter>

namespace zorvik {

ElidedLabel::ElidedLabel(QWidget* parent) : HotSpot(parent) {}

void ElidedLabel::setText(const QString& text) {
    text_ = text;
    Elide();
}

void ElidedLabel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void ElidedLabel::Elide() {
    shown_ = fontMetrics().elidedText(text_, Qt::ElideRight, contentsRect().width());
    update();
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment_) | Qt::TextSingleLine, shown_);
}

void ElidedLabel::resizeEvent(QResizeEvent*) {
    Elide();
}

void ElidedLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        Elide();
    }
    QWidget::changeEvent(event);
}

} // namespace zorvik
