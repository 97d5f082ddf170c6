// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_box.h"

#include "widgets/picture_book.h"

#include <QPainter>

namespace zorvik {

PictureBox::PictureBox(const PictureBook& book, QWidget* parent, const QString& name,
                       const QRect& geometry, Picture picture)
    : HotSpot(parent), book_(book), picture_(picture) {
    setObjectName(name);
    setGeometry(geometry);
}

void PictureBox::setPicture(Picture picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, book_.Pixmap(picture_, painter.device()->devicePixelRatioF()));
}

} // namespace zorvik
