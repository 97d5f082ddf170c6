// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/names_dialog.h"

#include "ui/fonts.h"
#include "widgets/drag_form.h"
#include "widgets/hot_spot.h"
#include "widgets/outline.h"
#include "widgets/picture_book.h"
#include "widgets/window_outlines.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <limits>

namespace zorvik {

namespace {
constexpr QSize kClientArea{358, 151};

QLabel* MakeCaption(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                    const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QRect& geometry,
                       const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}
} // namespace

NamesDialog::NamesDialog(QLabel& player1Name, QLabel& player2Name, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), player1Name_(player1Name),
      player2Name_(player2Name),
      background_(EmbeddedPicture(QStringLiteral(":/names/background.png"))) {
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kClientArea);

    QFont title = DisplayFont(15.75);
    title.setUnderline(true);
    MakeCaption(this, "Label2", {131, 12, 126, 27}, title, QStringLiteral("Names"));
    MakeCaption(this, "Label5", {32, 48, 87, 30}, DisplayFont(14.25), QStringLiteral("Player1"));
    MakeCaption(this, "Label6", {33, 81, 87, 26}, DisplayFont(14.25), QStringLiteral("Player2"));
    Text1 = MakeTextBox(this, "Text1", {155, 51, 162, 22}, QStringLiteral("Player1"));
    Text2 = MakeTextBox(this, "Text2", {156, 85, 161, 22}, QStringLiteral("Player2"));
    setTabOrder(Text1, Text2);
    Text1->setFocus();

    auto* Label1 = new HotSpot(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(132, 117, 98, 32);
    connect(Label1, &HotSpot::clicked, this, &NamesDialog::ContinueClicked);

    SetWindowOutline(*this, NamesRegion());
}

void NamesDialog::ContinueClicked() {
    player1Name_.setText(Text1->text());
    player2Name_.setText(Text2->text());
    accept();
    QWidget* mainWindow = player1Name_.window();
    mainWindow->raise();
    mainWindow->activateWindow();
}

void NamesDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
}

// A press of any button on the panel itself, not on a label or a text box,
// moves the dialog.
void NamesDialog::mousePressEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) {
        DragForm(*this, event->globalPosition());
    }
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
