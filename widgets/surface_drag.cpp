// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/surface_drag.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zorvik {

namespace {

void ShowDragError(QWidget& window, const QString& description) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(" Error"), description, QMessageBox::Ok,
                    &window);
    box.exec();
}

bool OnPlatform(const char* name) {
    return QGuiApplication::platformName().startsWith(QLatin1String(name));
}

} // namespace

SurfaceDrag::SurfaceDrag(QWidget& window, SystemMove systemMove)
    : QObject(&window), window_(window), systemMove_(std::move(systemMove)) {
    window.installEventFilter(this);
}

bool SurfaceDrag::StartSystemMove(QWindow& window) {
    return window.startSystemMove();
}

bool SurfaceDrag::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto& press = static_cast<const QMouseEvent&>(*event);
        // Presses on controls stay theirs, even those that pass them on.
        if (window_.childAt(press.position().toPoint()) == nullptr) {
            pressedAt_ = press.globalPosition();
            button_ = press.button();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto& move = static_cast<const QMouseEvent&>(*event);
        if (grabOffset_) {
            window_.move((move.globalPosition() - *grabOffset_).toPoint());
        } else if (pressedAt_ && (move.buttons() & button_)) {
            Start(move);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        pressedAt_.reset();
        grabOffset_.reset();
        break;
    default:
        break;
    }
    return false;
}

void SurfaceDrag::Start(const QMouseEvent& move) {
    const QPointF pressedAt = *pressedAt_;
    pressedAt_.reset();
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr) {
        ShowDragError(window_, tr("This window cannot be moved: it is not on the screen."));
        return;
    }
    // An X11 window manager's move ends only when the left button comes up,
    // so a drag with another button there follows the mouse instead.
    const bool managerCanEndIt = button_ == Qt::LeftButton || !OnPlatform("xcb");
    if ((managerCanEndIt && systemMove_(*handle)) || OnPlatform("wayland")) {
        return;
    }
    grabOffset_ = pressedAt - QPointF(window_.pos());
    window_.move((move.globalPosition() - *grabOffset_).toPoint());
}

} // namespace zorvik
