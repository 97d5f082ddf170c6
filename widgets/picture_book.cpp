// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_book.h"

#include <QFile>
#include <limits>

namespace zorvik {

namespace {

QPixmap Read(const QString& resource) {
    QPixmap pixmap(resource);
    if (pixmap.isNull()) {
        qFatal("Picture resource %s is missing", qPrintable(resource));
    }
    return pixmap;
}

// ":/cells/empty.png" gives ":/cells/empty@2x.png".
QString TwiceAsFine(const QString& resource) {
    return QString(resource).insert(resource.lastIndexOf(u'.'), QStringLiteral("@2x"));
}

} // namespace

QPixmap EmbeddedPicture(const QString& resource, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1 || !QFile::exists(TwiceAsFine(resource))) {
        QPixmap plain = Read(resource);
        if (devicePixelRatio <= 1) {
            return plain;
        }
        QPixmap scaled = plain.scaled(plain.size() * devicePixelRatio, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(devicePixelRatio);
        return scaled;
    }
    QPixmap fine = Read(TwiceAsFine(resource));
    if (qFuzzyCompare(devicePixelRatio, 2.0)) {
        fine.setDevicePixelRatio(2);
        return fine;
    }
    QPixmap scaled = fine.scaled(fine.size() * (devicePixelRatio / 2), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

Picture PictureBook::Load(const QString& resource) {
    if (!QFile::exists(resource)) {
        qFatal("Picture resource %s is missing", qPrintable(resource));
    }
    if (entries_.size() >= std::numeric_limits<decltype(Picture::id)>::max()) {
        qFatal("The picture book is full");
    }
    entries_.push_back({resource, {}});
    // Handles count from 1, as 0 is "no picture".
    return Picture{static_cast<decltype(Picture::id)>(entries_.size())};
}

const QPixmap& PictureBook::Pixmap(Picture picture, qreal devicePixelRatio) const {
    if (picture == Picture{}) {
        return noPicture_;
    }
    if (picture.id > entries_.size()) {
        qFatal("Picture %d is not in this book", picture.id);
    }
    const Entry& entry = entries_[picture.id - 1];
    for (const auto& [ratio, pixmap] : entry.byRatio) {
        if (qFuzzyCompare(ratio, devicePixelRatio)) {
            return pixmap;
        }
    }
    return entry.byRatio
        .emplace_back(devicePixelRatio, EmbeddedPicture(entry.resource, devicePixelRatio))
        .second;
}

} // namespace zorvik
