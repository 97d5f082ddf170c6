// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "canvas.h"

namespace assetgen {

namespace {
int scale = 1;
} // namespace

void setPaintScale(int newScale) {
    scale = newScale;
}

int paintScale() {
    return scale;
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

QImage crop(const QImage& image, const QRect& logical) {
    const int ratio = qRound(image.devicePixelRatio());
    QImage part = image.copy(QRect(logical.topLeft() * ratio, logical.size() * ratio));
    part.setDevicePixelRatio(ratio);
    return part;
}

} // namespace assetgen
