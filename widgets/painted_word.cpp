// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/painted_word.h"

#include "paint/paint_kit.h"

#include <QPainter>
#include <QWidget>

#include <cmath>

namespace zorvik {

namespace {

// Clears every pixel that lettering left as the backdrop had it, so that a
// word drawn later cannot cover an earlier one with a copy of the backdrop,
// and returns the smallest rectangle that holds the rest.
QRect KeepOnlyChanges(QImage& lettered, const QImage& bare) {
    QRect changed;
    for (int y = 0; y < lettered.height(); ++y) {
        auto* pixel = reinterpret_cast<QRgb*>(lettered.scanLine(y));
        const auto* before = reinterpret_cast<const QRgb*>(bare.constScanLine(y));
        for (int x = 0; x < lettered.width(); ++x) {
            if (pixel[x] == before[x]) {
                pixel[x] = 0;
            } else {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed.isEmpty() ? QRect(0, 0, 1, 1) : changed;
}

} // namespace

PaintedWord::PaintedWord(QWidget& owner, const char* name, const QRectF& place,
                         const paintkit::Lettering& lettering, const QString& text)
    : QObject(&owner), owner_(owner), place_(place), lettering_(lettering), text_(text) {
    setObjectName(QLatin1String(name));
}

paintkit::FittedText PaintedWord::Shown() const {
    return paintkit::fitText(text_, lettering_.font, place_.width());
}

// Room around the place for accents above capitals and below the line,
// and for a title's soft shadow; a caption casts none.
QRect PaintedWord::Bounds() const {
    const QFont& font = lettering_.font;
    const qreal size = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * 4 / 3;
    const qreal shadow = lettering_.style == paintkit::Lettering::Style::title ? 8 : 2;
    const qreal above = std::ceil(size / 2) + shadow;
    return place_.adjusted(-shadow - 2, -above, shadow + 2, above).toAlignedRect();
}

void PaintedWord::Restyle(const QRectF& place, const paintkit::Lettering& lettering) {
    owner_.update(Bounds());
    lettered_ = QPixmap();
    place_ = place;
    lettering_ = lettering;
    owner_.update(Bounds());
}

void PaintedWord::Draw(QPainter& painter, const QPixmap& backdrop, QPoint backdropAt) const {
    const QRect bounds = Bounds() & owner_.rect();
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (lettered_.isNull() || lettered_.devicePixelRatio() != ratio ||
        letteredOn_ != backdrop.cacheKey()) {
        QImage image((QSizeF(bounds.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter letterer(&image);
        letterer.translate(-bounds.topLeft());
        letterer.drawPixmap(backdropAt, backdrop);
        const QImage bare = image.copy();
        paintkit::smooth(letterer);
        paintkit::paintWord(letterer, place_, text_, lettering_);
        letterer.end();
        // Only the letters are kept, not the room around them.
        const QRect changed = KeepOnlyChanges(image, bare);
        QImage letters = image.copy(changed);
        letters.setDevicePixelRatio(ratio);
        lettered_ = QPixmap::fromImage(std::move(letters));
        letteredAt_ = QPointF(bounds.topLeft()) + QPointF(changed.topLeft()) / ratio;
        letteredOn_ = backdrop.cacheKey();
    }
    painter.drawPixmap(letteredAt_, lettered_);
}

void DrawWords(QPainter& painter, const QWidget& owner, const QRegion& region,
               const QPixmap& backdrop, QPoint backdropAt) {
    // The main window paints on every tick: walk its children as they are
    // rather than gather the words into a new list each time.
    for (const QObject* child : owner.children()) {
        const auto* word = qobject_cast<const PaintedWord*>(child);
        if (word != nullptr && region.intersects(word->Bounds())) {
            word->Draw(painter, backdrop, backdropAt);
        }
    }
}

} // namespace zorvik
