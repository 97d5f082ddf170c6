// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

namespace assetgen {

// Writes pictures as PNG files below the assets directory, creating the
// window folders as needed, and remembers whether any write failed.
class AssetWriter {
public:
    explicit AssetWriter(const QString& root);

    // path is relative to the assets directory, e.g. "cells/empty.png".
    void write(const QString& path, const QImage& image);
    bool failed() const { return failed_; }

private:
    QDir root_;
    bool failed_ = false;
};

} // namespace assetgen
