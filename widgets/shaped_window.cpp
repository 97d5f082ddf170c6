// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/shaped_window.h"

#include "widgets/smooth_outline.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

namespace zorvik {

ShapedWindow::ShapedWindow(QWidget& window, const WindowOutline& outline, QSize size)
    : QObject(&window), window_(window), outline_(outline), size_(size),
      composites_(PlatformComposites()) {
    window.setFixedSize(size);
    if (composites_) {
        window.setAttribute(Qt::WA_TranslucentBackground);
    }
    window.setMask(OutlineAtRatio(outline, 1));
    window.installEventFilter(this);
}

bool ShapedWindow::PlatformComposites() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void ShapedWindow::PaintBackground(QPainter& painter, const QPixmap& background) {
    PaintBackground(painter, background.cacheKey(),
                    [&background](QPainter& on) { on.drawPixmap(0, 0, background); });
}

void ShapedWindow::PaintBackground(QPainter& painter, qint64 key,
                                   const std::function<void(QPainter&)>& paint) {
    if (!composites_) {
        paint(painter);
        return;
    }
    if (shapedFrom_ != key) {
        const qreal ratio = painter.device()->devicePixelRatioF();
        QImage shaped((QSizeF(size_) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        shaped.setDevicePixelRatio(ratio);
        shaped.fill(Qt::transparent);
        QPainter cut(&shaped);
        cut.setRenderHint(QPainter::Antialiasing);
        cut.fillPath(SmoothOutline(outline_), Qt::black);
        cut.setCompositionMode(QPainter::CompositionMode_SourceIn);
        paint(cut);
        cut.end();
        shapedBackground_ = QPixmap::fromImage(shaped);
        shapedFrom_ = key;
    }
    painter.drawPixmap(0, 0, shapedBackground_);
}

bool ShapedWindow::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
        FollowScreen();
        break;
    case QEvent::Paint:
        // A screen can change its ratio without the window changing screens.
        if (!qFuzzyCompare(window_.devicePixelRatioF(), followedRatio_)) {
            QTimer::singleShot(0, this, &ShapedWindow::FollowScreen);
        }
        break;
    default:
        break;
    }
    return false;
}

void ShapedWindow::FollowScreen() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || handle->handle() == nullptr) {
        return;
    }
    const qreal ratio = window_.devicePixelRatioF();
    if (followedRatio_ != 0 && !qFuzzyCompare(ratio, followedRatio_)) {
        // Qt keeps the window's size in device pixels when it moves to a
        // screen of another ratio; the size hints are given anew, as the
        // platform still holds them in the old screen's pixels.
        window_.setMinimumSize(0, 0);
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_.setFixedSize(size_);
    }
    followedRatio_ = ratio;
    // The platform's pixels are logical pixels scaled by Qt's own factor; the
    // rest of the ratio, if any, is the platform's business (Wayland's).
    QPlatformWindow& platformWindow = *handle->handle();
    const qreal platformScale = ratio / platformWindow.devicePixelRatio();
    const QSize platformSize = (QSizeF(size_) * platformScale).toSize();
    if (platformWindow.geometry().size() != platformSize) {
        platformWindow.setGeometry(QRect(platformWindow.geometry().topLeft(), platformSize));
    }
    platformMask_ = OutlineAtRatio(outline_, platformScale);
    platformWindow.setMask(platformMask_);
}

} // namespace zorvik
