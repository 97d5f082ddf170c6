// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/picture_book.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <limits>

namespace zorvik {

namespace {

QImage Read(const QString& resource) {
    QImage image = EmbeddedPng(resource);
    if (image.isNull()) {
        qFatal("Picture resource %s is missing", qPrintable(resource));
    }
    return image;
}

// ":/cells/empty.png" gives ":/cells/empty@2x.png".
QString TwiceAsFine(const QString& resource) {
    return QString(resource).insert(resource.lastIndexOf(u'.'), QStringLiteral("@2x"));
}

// An opaque picture is kept at three bytes a pixel, not the screen's four:
// a quarter less memory for the same pixels, the backgrounds above all, at
// a small cost in drawing it (converted in place, so never held twice).
QImage InKeptFormat(QImage image) {
    if (!image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_RGB888);
    }
    return image;
}

QPixmap Kept(QImage image) {
    const Qt::ImageConversionFlags flags =
        image.hasAlphaChannel() ? Qt::AutoColor : Qt::NoFormatConversion;
    return QPixmap::fromImage(std::move(image), flags);
}

QImage Scaled(const QImage& image, qreal factor, qreal devicePixelRatio) {
    QImage scaled =
        image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

} // namespace

// Told the format, and not to guess it, the reader takes Qt's own PNG
// reader at once; guessing, it first loads every image plugin installed
// (JPEG, GIF, ICO and more, with their libraries) to ask whether it reads
// PNG, and keeps them for the rest of the run.
QImage EmbeddedPng(const QString& resource) {
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

// The pixels of EmbeddedPicture(), which any thread may read.
QImage EmbeddedImage(const QString& resource, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1 || !QFile::exists(TwiceAsFine(resource))) {
        QImage plain = Read(resource);
        if (devicePixelRatio <= 1) {
            return InKeptFormat(std::move(plain));
        }
        return InKeptFormat(Scaled(plain, devicePixelRatio, devicePixelRatio));
    }
    QImage fine = Read(TwiceAsFine(resource));
    if (qFuzzyCompare(devicePixelRatio, 2.0)) {
        fine.setDevicePixelRatio(2);
        return InKeptFormat(std::move(fine));
    }
    return InKeptFormat(Scaled(fine, devicePixelRatio / 2, devicePixelRatio));
}

} // namespace

QPixmap EmbeddedPicture(const QString& resource, qreal devicePixelRatio) {
    return Kept(EmbeddedImage(resource, devicePixelRatio));
}

Picture PictureBook::Load(const QString& resource, const QRect& part) {
    if (!QFile::exists(resource)) {
        qFatal("Picture resource %s is missing", qPrintable(resource));
    }
    if (entries_.size() >= std::numeric_limits<decltype(Picture::id)>::max()) {
        qFatal("The picture book is full");
    }
    entries_.push_back({resource, part, {}});
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
    if (const QPixmap* kept = KeptAt(entry, devicePixelRatio)) {
        return *kept;
    }
    if (entry.part.isNull()) {
        return entry.byRatio.emplace_back(devicePixelRatio, ReadPicture(entry, devicePixelRatio))
            .second;
    }
    CutParts(entry, devicePixelRatio);
    return entry.byRatio.back().second;
}

const QPixmap* PictureBook::KeptAt(const Entry& entry, qreal devicePixelRatio) {
    for (const auto& [ratio, pixmap] : entry.byRatio) {
        if (qFuzzyCompare(ratio, devicePixelRatio)) {
            return &pixmap;
        }
    }
    return nullptr;
}

void PictureBook::CutParts(const Entry& entry, qreal devicePixelRatio) const {
    const QPixmap whole = ReadPicture(entry, devicePixelRatio);
    for (const Entry& other : entries_) {
        if (other.resource == entry.resource && !other.part.isNull() &&
            KeptAt(other, devicePixelRatio) == nullptr) {
            const QRectF device(QPointF(other.part.topLeft()) * devicePixelRatio,
                                QSizeF(other.part.size()) * devicePixelRatio);
            QPixmap part = whole.copy(device.toAlignedRect());
            part.setDevicePixelRatio(devicePixelRatio);
            other.byRatio.emplace_back(devicePixelRatio, std::move(part));
        }
    }
}

void PictureBook::ReadAhead(Picture picture, qreal devicePixelRatio) const {
    const Entry& entry = entries_.at(picture.id - 1);
    if (KeptAt(entry, devicePixelRatio) == nullptr) {
        readingAhead_.push_back(
            {entry.resource, devicePixelRatio,
             std::async(std::launch::async, EmbeddedImage, entry.resource, devicePixelRatio)});
    }
}

// A picture read ahead for another ratio is not kept either: the window
// showed first on a screen other than the one it was read for.
QPixmap PictureBook::ReadPicture(const Entry& entry, qreal devicePixelRatio) const {
    QImage image;
    std::erase_if(readingAhead_, [&](Reading& reading) {
        if (reading.resource != entry.resource) {
            return false;
        }
        if (qFuzzyCompare(reading.devicePixelRatio, devicePixelRatio)) {
            image = reading.image.get();
        }
        return true;
    });
    return Kept(image.isNull() ? EmbeddedImage(entry.resource, devicePixelRatio)
                               : std::move(image));
}

} // namespace zorvik
