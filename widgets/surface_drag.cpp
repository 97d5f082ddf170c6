// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "widgets/surface_drag.h"

#include "widgets/placement.h"
#include "widgets/x11_window_move.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zorvik {

namespace {

void ShowDragError(QWidget& window, const QString& description) {
    QMessageBox box(QMessageBox::NoIcon, SurfaceDrag::tr(" Error", "a message box's title"),
                    description, QMessageBox::Ok, &window);
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

SurfaceDrag::SystemMove SurfaceDrag::PlatformMove() {
    if (OnPlatform("xcb")) {
        return {x11::RequestMove, x11::CancelMove};
    }
    // Elsewhere the platform's move follows the button itself.
    return {[](QWindow& window, QPointF) { return window.startSystemMove(); }, {}};
}

bool SurfaceDrag::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto& press = static_cast<const QMouseEvent&>(*event);
        // Presses on controls stay theirs, even those that pass them on;
        // any press ends what an earlier drag left behind.
        state_ = State::Idle;
        if (window_.childAt(press.position().toPoint()) == nullptr) {
            state_ = State::Armed;
            pressedAt_ = press.globalPosition();
            button_ = press.button();
            // Where the press found the window: a window just shown may not
            // know its place on the screen yet.
            origin_ = (press.globalPosition() - press.position()).toPoint();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto& move = static_cast<const QMouseEvent&>(*event);
        if (state_ == State::Following) {
            FollowTo(move.globalPosition());
        } else if (state_ == State::Armed && (move.buttons() & button_)) {
            Start(move);
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        // The release reached this window, so the platform had not taken
        // the pointer yet when the button came up.
        const auto& release = static_cast<const QMouseEvent&>(*event);
        if (state_ == State::AskedPlatform && systemMove_.cancel && window_.windowHandle()) {
            systemMove_.cancel(*window_.windowHandle());
            FollowTo(release.globalPosition());
        }
        state_ = State::Idle;
        break;
    }
    default:
        break;
    }
    return false;
}

void SurfaceDrag::Start(const QMouseEvent& move) {
    state_ = State::Idle;
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr) {
        ShowDragError(window_, tr("This window cannot be moved: it is not on the screen."));
        return;
    }
    if (PlatformPlacesWindows()) {
        FollowTo(move.globalPosition());
    }
    // An X11 window manager's move ends only when the left button comes up,
    // so a drag with another button there follows the mouse instead.
    const bool managerCanEndIt = button_ == Qt::LeftButton || !OnPlatform("xcb");
    if (managerCanEndIt && systemMove_.start(*handle, move.globalPosition())) {
        state_ = State::AskedPlatform;
    } else if (!OnPlatform("wayland")) {
        state_ = State::Following;
    }
}

void SurfaceDrag::FollowTo(QPointF pointer) {
    window_.move(origin_ + (pointer - pressedAt_).toPoint());
}

} // namespace zorvik
