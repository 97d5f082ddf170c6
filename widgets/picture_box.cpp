// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_box.h"

#include "widgets/painted_word.h"
#include "widgets/picture_book.h"

#include <QPaintEvent>
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

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPixmap& picture = book_.Pixmap(picture_, painter.device()->devicePixelRatioF());
    painter.drawPixmap(0, 0, picture);
    DrawWords(painter, *this, event->region(), picture);
}

} // namespace zorvik
