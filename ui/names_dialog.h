// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDialog>
#include <QPixmap>

class QLineEdit;

namespace zorvik {

class ShapedWindow;

// The player names dialog. It opens with "Player1" and "Player2" in its text
// boxes; only a click on its painted Continue button accepts it, and the
// names are then the texts exactly as typed.
class NamesDialog : public QDialog {
    Q_OBJECT
public:
    explicit NamesDialog(QWidget* parent);

    // A player's name (1 or 2) until the players type one.
    static QString DefaultName(int player);

    QString player1Name() const;
    QString player2Name() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap background_;
    ShapedWindow* shape_;
    QLineEdit* player1NameBox_;
    QLineEdit* player2NameBox_;
};

} // namespace zorvik
