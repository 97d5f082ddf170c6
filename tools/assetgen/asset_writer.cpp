// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "asset_writer.h"

#include <QFileInfo>
#include <QTextStream>

namespace assetgen {

namespace {

bool isOpaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

AssetWriter::AssetWriter(const QString& root, int scale) : root_(root), scale_(scale) {}

void AssetWriter::write(const QString& path, const QImage& image) {
    QString file = root_.filePath(path);
    if (scale_ != 1)
        file.insert(file.lastIndexOf(u'.'), QStringLiteral("@%1x").arg(scale_));
    // A picture without a see-through pixel is stored without alpha, so the
    // game can draw it as opaque.
    const QImage picture =
        image.convertToFormat(isOpaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (!QDir().mkpath(QFileInfo(file).path()) || !picture.save(file, "PNG")) {
        QTextStream(stderr) << "cannot write " << file << '\n';
        failed_ = true;
    }
}

} // namespace assetgen
