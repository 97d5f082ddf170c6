// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/picture.h"

#include <QPixmap>
#include <QString>
#include <vector>

namespace zorvik {

// A picture embedded in the program; a missing one is a build fault, so the
// program stops rather than show nothing.
QPixmap EmbeddedPicture(const QString& resource);

// Owns every picture of the game and hands out a handle for each. A handle
// names the very picture it was given for, so widgets that show pictures
// compare handles to compare pictures.
class PictureBook {
public:
    // Loads a picture from the embedded resources, e.g. ":/cells/empty.png".
    Picture Load(const QString& resource);
    Picture Add(const QPixmap& pixmap);
    // The pixmap of a handle; a null pixmap for "no picture".
    const QPixmap& Pixmap(Picture picture) const;

private:
    std::vector<QPixmap> pixmaps_;
    QPixmap noPicture_;
};

} // namespace zorvik
