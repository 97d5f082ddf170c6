// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;

namespace zorvik {

// The player names dialog. It opens with "Player1" and "Player2" in its text
// boxes; only a click on its painted Continue button copies both texts,
// exactly as typed, into the main window's name labels and closes it.
class NamesDialog : public QDialog {
    Q_OBJECT
public:
    NamesDialog(QLabel& player1Name, QLabel& player2Name, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ContinueClicked();

    QLabel& player1Name_;
    QLabel& player2Name_;
    QPixmap background_;
    QLineEdit* Text1;
    QLineEdit* Text2;
};

} // namespace zorvik
