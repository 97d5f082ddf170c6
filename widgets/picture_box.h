// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"

#include "widgets/hot_spot.h"

namespace zorvik {

class PictureBook;

// A widget that shows one picture from the book at its own size from its
// top-left corner, with the words that belong to it, and reports clicks.
// Its picture can be read and assigned.
class PictureBox : public HotSpot {
    Q_OBJECT
public:
    // A named picture box at its place on the parent, showing `picture`.
    PictureBox(const PictureBook& book, QWidget* parent, const QString& name, const QRect& geometry,
               Picture picture = {});

    Picture picture() const { return picture_; }
    void setPicture(Picture picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PictureBook& book_;
    Picture picture_;
};

} // namespace zorvik
