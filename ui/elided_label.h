// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include "widgets/hot_spot.h"

#include <QWidget>

namespace zorvik {

// A label for a name the players typed: always plain text, never markup, on
// one line. A text too long for the label is elided inside it while text()
// keeps it whole; it is elided once when the text, the font or the size
// changes, never on a repaint, as a name may be very long. It reports clicks.
class ElidedLabel : public HotSpot {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit ElidedLabel(QWidget* parent);

    const QString& text() const { return text_; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);
    // What the label shows: the text, elided to its width.
    const QString& shownText() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Elide();

    QString text_;
    QString shown_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

} // namespace zorvik
