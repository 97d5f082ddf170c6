// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "engine/ending.h"
#include "ui/end_message.h"

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace zorvik {

// The small framed picture window shown after every ending. A click on its
// own surface dismisses it; Escape and the window manager's close do the
// same, so the game never stays stopped behind it.
class EndScreen : public QDialog {
    Q_OBJECT
public:
    EndScreen(const EndScreenContent& content, const PlayerNames& names, QWidget* parent);

    // The resource path of the picture shown for an ending.
    static QString PictureOf(EndPicture picture);

    QLabel* levelNumber() const { return levelNumber_; }
    QLabel* message() const { return message_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap picture_;
    QLabel* levelNumber_;
    QLabel* message_;
    bool pressed_ = false;
};

} // namespace zorvik
