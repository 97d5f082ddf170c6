// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <functional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace zorvik {

// Moves a borderless window by its surface. A press of any mouse button on
// the window itself, not on one of its controls, arms a move; the move
// starts when the pointer then moves with that button still held, so a
// press and release with nothing between them (a touchpad tap) never starts
// one that would run on after the release. The window takes that first
// motion itself, where the platform lets it place windows, so the point
// grabbed stays under the pointer; then the platform's move is asked for.
// Where it refuses, the window follows the mouse itself until the button
// comes up, except on Wayland, where nothing else can move a window. A
// button that comes up before the platform began its move calls that move
// off and leaves the window where the pointer took it. An error is reported
// in a message box titled " Error".
class SurfaceDrag : public QObject {
    Q_OBJECT
public:
    // The platform's own move of a window.
    struct SystemMove {
        // Asks for the move, the pointer now at `pointer` (global); false
        // where the platform refuses.
        std::function<bool(QWindow& window, QPointF pointer)> start;
        // Calls the move off, where the platform may begin it after the
        // button came up; none where it never does.
        std::function<void(QWindow& window)> cancel;
    };

    explicit SurfaceDrag(QWidget& window, SystemMove systemMove = PlatformMove());

    // X11's window manager, Qt's move elsewhere.
    static SystemMove PlatformMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class State { Idle, Armed, AskedPlatform, Following };

    void Start(const QMouseEvent& move);
    // Puts the window where the pointer, now at `pointer`, took it.
    void FollowTo(QPointF pointer);

    QWidget& window_;
    SystemMove systemMove_;
    State state_ = State::Idle;
    // Where on the screen the armed press was, with which button, and where
    // the window was then.
    QPointF pressedAt_;
    Qt::MouseButton button_ = Qt::NoButton;
    QPoint origin_;
};

} // namespace zorvik
