// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_book.h"

#include <limits>

namespace zorvik {

QPixmap EmbeddedPicture(const QString& resource) {
    QPixmap pixmap(resource);
    if (pixmap.isNull()) {
        qFatal("Picture resource %s is missing", qPrintable(resource));
    }
    return pixmap;
}

Picture PictureBook::Load(const QString& resource) {
    return Add(EmbeddedPicture(resource));
}

Picture PictureBook::Add(const QPixmap& pixmap) {
    if (pixmaps_.size() >= std::numeric_limits<decltype(Picture::id)>::max()) {
        qFatal("The picture book is full");
    }
    pixmaps_.push_back(pixmap);
    // Handles count from 1, as 0 is "no picture".
    return Picture{static_cast<decltype(Picture::id)>(pixmaps_.size())};
}

const QPixmap& PictureBook::Pixmap(Picture picture) const {
    if (picture == Picture{}) {
        return noPicture_;
    }
    if (picture.id > pixmaps_.size()) {
        qFatal("Picture %d is not in this book", picture.id);
    }
    return pixmaps_[picture.id - 1];
}

} // namespace zorvik
