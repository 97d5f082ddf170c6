// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/names_dialog.h"

#include "paint/paint_kit.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "widgets/hot_spot.h"
#include "widgets/names_layout.h"
#include "widgets/painted_word.h"
#include "widgets/picture_book.h"
#include "widgets/shaped_window.h"
#include "widgets/surface_drag.h"
#include "widgets/window_outlines.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <limits>

namespace zorvik {

namespace {
using namespace layout::names;

QLabel* MakeCaption(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                    const QString& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetFittedText(*label, text);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QRect& geometry,
                       const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}
} // namespace

NamesDialog::NamesDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      background_(EmbeddedPicture(QStringLiteral(":/names/background.png"),
                                  parent != nullptr ? parent->devicePixelRatioF() : 1.0)),
      shape_(new ShapedWindow(*this, NamesOutline(), kClientArea)) {
    setObjectName(QStringLiteral("names"));
    setWindowTitle(tr("Form1", "the names window's title in the task bar"));
    new SurfaceDrag(*this);

    QFont title = DisplayFont(15.75);
    title.setUnderline(true);
    MakeCaption(this, "title", kTitle, title, tr("Names"));
    MakeCaption(this, "player1Caption", kPlayer1Caption, DisplayFont(14.25),
                tr("Player1", "the caption over player 1's name box"));
    MakeCaption(this, "player2Caption", kPlayer2Caption, DisplayFont(14.25),
                tr("Player2", "the caption over player 2's name box"));
    player1NameBox_ = MakeTextBox(this, "player1NameBox", kPlayer1NameBox, DefaultName(1));
    player2NameBox_ = MakeTextBox(this, "player2NameBox", kPlayer2NameBox, DefaultName(2));
    player1NameBox_->setAccessibleName(tr("Player 1 name"));
    player2NameBox_->setAccessibleName(tr("Player 2 name"));
    setTabOrder(player1NameBox_, player2NameBox_);
    player1NameBox_->setFocus();

    auto* continueButton = new HotSpot(this);
    continueButton->setObjectName(QStringLiteral("continueButton"));
    continueButton->setGeometry(kContinueButton);
    continueButton->setAccessibleName(tr("Continue"));
    new PaintedWord(*this, "continueLettering", QRectF(kContinueButton).adjusted(6, 0, -6, 0),
                    paintkit::titleLettering(18, paintkit::palette::gold), tr("Continue"));
    connect(continueButton, &HotSpot::clicked, this, &NamesDialog::accept);
}

QString NamesDialog::DefaultName(int player) {
    return player == 1 ? tr("Player1", "player 1's name until the players type one")
                       : tr("Player2", "player 2's name until the players type one");
}

QString NamesDialog::player1Name() const {
    return player1NameBox_->text();
}

QString NamesDialog::player2Name() const {
    return player2NameBox_->text();
}

void NamesDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    shape_->PaintBackground(painter, background_);
    DrawWords(painter, *this, event->region(), background_);
}

// Only the painted Continue button closes the dialog with the names: Enter
// and Escape mean nothing here.
void NamesDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// The window manager places the dialog where it puts any new window, rather
// than over the main window.
void NamesDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
}

} // namespace zorvik
