// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/outline.h"

#include <QObject>
#include <QPixmap>
#include <QRegion>
#include <QSize>
#include <functional>

class QPainter;
class QWidget;

namespace zorvik {

// Gives a borderless window its rounded outline and keeps it true on every
// screen. The window takes the mouse only inside the outline, given at the
// device resolution of its screen (on X11 without a compositor that is also
// its visible shape), and it keeps its size in logical pixels, so both
// follow it to a screen of another pixel ratio. Where the platform
// composites (Wayland), where a mask only limits the mouse, the window is
// translucent and paints its background only inside the smooth outline,
// with anti-aliased corners.
class ShapedWindow : public QObject {
    Q_OBJECT
public:
    ShapedWindow(QWidget& window, const WindowOutline& outline, QSize size);

    // Whether windows are shaped by painting (Wayland) rather than by the mask.
    static bool PlatformComposites();

    // Paints the background picture, shaped by the outline where the
    // platform composites.
    void PaintBackground(QPainter& painter, const QPixmap& background);
    // The same for a background painted in pieces: the function paints it
    // whole, and the key changes whenever what it paints does.
    void PaintBackground(QPainter& painter, qint64 key,
                         const std::function<void(QPainter&)>& paint);

    // The mask last given to the platform, in its own pixels.
    const QRegion& platformMask() const { return platformMask_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Fits size and mask to the window's present screen.
    void FollowScreen();

    QWidget& window_;
    WindowOutline outline_;
    QSize size_;
    bool composites_;
    qreal followedRatio_ = 0;
    QRegion platformMask_;
    QPixmap shapedBackground_;
    qint64 shapedFrom_ = 0;
};

} // namespace zorvik
