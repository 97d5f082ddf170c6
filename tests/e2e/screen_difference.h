// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QImage>
#include <QRect>

namespace zorvik::testkit {

// The bounding box of the pixels in which two screenshots differ: where a
// window came up or went.
inline QRect Difference(const QImage& before, const QImage& after) {
    QRect box;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace zorvik::testkit
