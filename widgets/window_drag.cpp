// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/window_drag.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zorvik {

namespace {

// Moves the window after the mouse, keeping the grabbed point under it, until
// the button is released; then it removes itself.
class MouseFollower : public QObject {
public:
    MouseFollower(QWidget& window, QPointF globalPressPosition)
        : QObject(window.windowHandle()), window_(window),
          grabOffset_(globalPressPosition - window.pos()) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonRelease) {
            const auto& mouse = static_cast<const QMouseEvent&>(*event);
            // A move with no button held means the release went elsewhere.
            if (event->type() == QEvent::MouseButtonRelease || mouse.buttons() == Qt::NoButton) {
                watched->removeEventFilter(this);
                deleteLater();
            } else {
                window_.move((mouse.globalPosition() - grabOffset_).toPoint());
            }
        }
        return false;
    }

private:
    QWidget& window_;
    QPointF grabOffset_;
};

void ShowDragError(QWidget& window, const QString& description) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" Error"), description, QMessageBox::Ok,
                    &window);
    box.exec();
}

} // namespace

void StartWindowDrag(QWidget& window, QPointF globalPressPosition) {
    QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        ShowDragError(window, QObject::tr("This window cannot be moved: it is not on the screen."));
        return;
    }
    // An X11 window manager's move ends only when the left button comes up, so
    // a drag with another button there follows the mouse here instead.
    const bool managerCanEndIt = QGuiApplication::mouseButtons() == Qt::LeftButton ||
                                 QGuiApplication::platformName() != QLatin1String("xcb");
    if (!managerCanEndIt || !handle->startSystemMove()) {
        handle->installEventFilter(new MouseFollower(window, globalPressPosition));
    }
}

} // namespace zorvik
