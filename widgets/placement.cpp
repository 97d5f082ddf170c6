// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace zorvik {

namespace {

void Centre(QWidget& window, const QScreen& screen) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen.availableGeometry().center());
    window.move(frame.topLeft());
}

// Centres a shown window once more when the window manager's frame around
// it becomes known, then goes.
class FrameCentring : public QObject {
public:
    FrameCentring(QWidget& window, QScreen* screen)
        : QObject(&window), window_(window), screen_(screen) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            deleteLater();
        } else if ((event->type() == QEvent::Move || event->type() == QEvent::Show) &&
                   window_.frameGeometry() != window_.geometry()) {
            window_.removeEventFilter(this);
            deleteLater();
            if (screen_) {
                Centre(window_, *screen_);
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QPointer<QScreen> screen_;
};

} // namespace

bool PlatformPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CentreOnScreen(QWidget& window, QScreen* screen) {
    if (screen == nullptr || !PlatformPlacesWindows()) {
        return;
    }
    Centre(window, *screen);
    if (!window.windowFlags().testFlag(Qt::FramelessWindowHint)) {
        new FrameCentring(window, screen);
    }
}

} // namespace zorvik
