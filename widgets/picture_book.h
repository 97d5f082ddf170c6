// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <deque>
#include <future>
#include <utility>
#include <vector>

namespace zorvik {

// A picture embedded in the program, for a screen of the given device pixel
// ratio: the picture itself at 1 (or less), its twice-as-fine "@2x" twin at
// 2, and at any other ratio the nearer of them scaled smoothly to the exact
// device size, so that every painter draws it pixel for pixel at its
// logical size. A missing picture is a build fault, so the program stops
// rather than show nothing.
QPixmap EmbeddedPicture(const QString& resource, qreal devicePixelRatio = 1);

// A PNG embedded in the program, as it is stored; a null image if missing.
QImage EmbeddedPng(const QString& resource);

// Owns every picture of the game and hands out a handle for each. A handle
// names the very picture it was given for, so widgets that show pictures
// compare handles to compare pictures. Each picture is read when it is first
// shown at a device pixel ratio, and kept for that ratio.
class PictureBook {
public:
    // A picture from the embedded resources, e.g. ":/cells/empty.png", or
    // only a part of it, in its logical pixels, where the rest is never shown:
    // the rest is not kept. The parts of one picture are cut from one reading.
    Picture Load(const QString& resource, const QRect& part = {});
    // The pixmap of a handle for a screen of that ratio; a null pixmap for
    // "no picture".
    const QPixmap& Pixmap(Picture picture, qreal devicePixelRatio = 1) const;
    // Starts reading the picture for a screen of that ratio on another core,
    // where its first paint would otherwise wait for the reading.
    void ReadAhead(Picture picture, qreal devicePixelRatio) const;

private:
    struct Entry {
        QString resource;
        QRect part;
        // One pixmap per ratio shown so far (the game's windows share one);
        // a deque, so that adding one moves none that was handed out.
        mutable std::deque<std::pair<qreal, QPixmap>> byRatio;
    };
    static const QPixmap* KeptAt(const Entry& entry, qreal devicePixelRatio);
    // Cuts every part of the entry's picture not yet kept at that ratio.
    void CutParts(const Entry& entry, qreal devicePixelRatio) const;
    // The entry's whole picture at that ratio, read ahead or read now.
    QPixmap ReadPicture(const Entry& entry, qreal devicePixelRatio) const;

    struct Reading {
        QString resource;
        qreal devicePixelRatio;
        std::future<QImage> image;
    };

    std::vector<Entry> entries_;
    mutable std::vector<Reading> readingAhead_;
    QPixmap noPicture_;
};

} // namespace zorvik
