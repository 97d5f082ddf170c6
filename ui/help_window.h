// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPlainTextEdit;

namespace zorvik {

class ElidedLabel;

// The help window: how to play, and both players' keys under their names.
// One window serves every opening: a new one each time would leave the
// style's cache a set of scroll bar pictures larger, for its palette is new.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // Shows the window modally over its parent, under these names and from
    // the top of the text, and returns when it is closed.
    void Open(const QString& player1Name, const QString& player2Name);

private:
    struct Picture {
        QLabel* label;
        QString resource;
    };
    // Draws the pictures for the screen's pixel ratio, when it changed.
    void ShowPictures(qreal devicePixelRatio);
    void LetterKeys(QLabel& keys);

    std::array<Picture, 3> pictures_;
    qreal picturesRatio_ = 0;
    QPlainTextEdit* text_;
    ElidedLabel* player1Name_;
    ElidedLabel* player2Name_;
};

} // namespace zorvik
