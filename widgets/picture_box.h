// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"

#include "widgets/click_tracker.h"

#include <QWidget>

namespace zorvik {

class PictureBook;

// A widget that shows one picture from the book at its own size from its
// top-left corner, and reports clicks. Its picture can be read and assigned.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // A named picture box at its place on the parent, showing `picture`.
    PictureBox(const PictureBook& book, QWidget* parent, const QString& name, const QRect& geometry,
               Picture picture = {});

    Picture picture() const { return picture_; }
    void setPicture(Picture picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const PictureBook& book_;
    Picture picture_;
    ClickTracker clicks_;
};

} // namespace zorvik
