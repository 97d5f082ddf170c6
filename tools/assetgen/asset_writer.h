// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

namespace assetgen {

// Writes pictures as PNG files below the assets directory, creating the
// window folders as needed, and remembers whether any write failed. A
// writer at scale 2 writes the "@2x" twin of each picture beside it
// ("cells/empty@2x.png"), where Qt's HiDPI conventions look for it.
class AssetWriter {
public:
    explicit AssetWriter(const QString& root, int scale = 1);

    // path is relative to the assets directory, e.g. "cells/empty.png".
    void write(const QString& path, const QImage& image);
    bool failed() const { return failed_; }

private:
    QDir root_;
    int scale_;
    bool failed_ = false;
};

} // namespace assetgen
