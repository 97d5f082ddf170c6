// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace zorvik {

// Moves a borderless window by its surface. A press of any mouse button on
// the window itself, not on one of its controls, arms a move; the move
// starts when the pointer then moves with that button still held, so a
// press and release with nothing between them (a touchpad tap) never starts
// one that would run on after the release. The platform's move is asked for
// first. Where it refuses, the window follows the mouse itself until the
// button comes up, except on Wayland, where nothing else can move a window.
// An error is reported in a message box titled " Error".
class SurfaceDrag : public QObject {
    Q_OBJECT
public:
    // Asks the platform to move the window; false where it refuses.
    using SystemMove = std::function<bool(QWindow&)>;

    explicit SurfaceDrag(QWidget& window, SystemMove systemMove = StartSystemMove);

    static bool StartSystemMove(QWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start(const QMouseEvent& move);

    QWidget& window_;
    SystemMove systemMove_;
    // Where on the screen the armed press was, and with which button.
    std::optional<QPointF> pressedAt_;
    Qt::MouseButton button_ = Qt::NoButton;
    // Set while the window follows the mouse itself: the pointer's offset
    // from the window's corner.
    std::optional<QPointF> grabOffset_;
};

} // namespace zorvik
