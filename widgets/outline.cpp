// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/outline.h"

#include <QDataStream>
#include <QIODevice>

namespace zorvik {

namespace {

constexpr qint32 HeaderSize = 32;
constexpr qint32 RectangleListType = 1;
constexpr qint32 RectangleSize = 16;

void WriteRectangle(QDataStream& out, int left, int top, int right, int bottom) {
    out << qint32(left) << qint32(top) << qint32(right) << qint32(bottom);
}

} // namespace

QByteArray BuildRegion(int width, int height, std::span<const Band> upperBands,
                       std::span<const QRect> extras) {
    const auto count = qint32(2 * upperBands.size() + 1 + extras.size());
    const int middleTop = upperBands.empty() ? 0 : upperBands.back().bottom;
    const int boundsTop = upperBands.empty() ? 0 : upperBands.front().top;

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << HeaderSize << RectangleListType << count << count * RectangleSize;
    WriteRectangle(out, 0, boundsTop, width, height);
    for (const Band& band : upperBands) {
        WriteRectangle(out, band.inset, band.top, width - band.inset, band.bottom);
    }
    WriteRectangle(out, 0, middleTop, width, height - middleTop);
    for (auto band = upperBands.rbegin(); band != upperBands.rend(); ++band) {
        WriteRectangle(out, band->inset, height - band->bottom, width - band->inset,
                       height - band->top);
    }
    for (const QRect& extra : extras) {
        WriteRectangle(out, extra.x(), extra.y(), extra.x() + extra.width(),
                       extra.y() + extra.height());
    }
    return data;
}

QRegion RegionFromBytes(const QByteArray& data) {
    if (data.size() < HeaderSize) {
        return {};
    }
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 headerSize = 0, type = 0, count = 0, listSize = 0;
    in >> headerSize >> type >> count >> listSize;
    // The bounds only summarise the rectangles; the rectangles alone make the region.
    in.skipRawData(RectangleSize);
    // Sizes are compared in 64 bits so that a huge count cannot wrap into a small list size.
    const qint64 available = (qint64(data.size()) - HeaderSize) / RectangleSize;
    if (headerSize != HeaderSize || type != RectangleListType || count < 0 || count > available ||
        qint64(listSize) != qint64(count) * RectangleSize) {
        return {};
    }

    QRegion region;
    for (qint32 i = 0; i < count; ++i) {
        qint32 left = 0, top = 0, right = 0, bottom = 0;
        in >> left >> top >> right >> bottom;
        if (right < left || bottom < top) {
            return {};
        }
        if (right > left && bottom > top) {
            region += QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        }
    }
    return region;
}

} // namespace zorvik
