// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/help_window.h"

#include "ui/elided_label.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "widgets/picture_book.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

namespace zorvik {

namespace {
constexpr QSize kClientArea{629, 537};
// Stands in for the desktop's colour of inactive title bars, behind the help text.
constexpr QColor kInactiveTitleBarColour{212, 208, 200};

void AddPicture(QWidget* parent, const char* name, const QPoint& position,
                const QString& resource) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setPixmap(EmbeddedPicture(resource));
    picture->move(position);
    picture->adjustSize();
}

void AddName(QWidget* parent, const char* objectName, const QRect& geometry, const QString& name) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(geometry);
    label->setFont(DisplayFont(12));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setText(name);
}
} // namespace

HelpWindow::HelpWindow(const QString& player1Name, const QString& player2Name, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(kClientArea);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    AddPicture(this, "Image4", {3, 2}, QStringLiteral(":/help/logo.png"));
    AddPicture(this, "Image3", {7, 143}, QStringLiteral(":/help/snake.png"));

    auto* Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(171, 127, 457, 269);
    Text1->setFont(PlainFont(9.75, true));
    QPalette colours = Text1->palette();
    colours.setColor(QPalette::Base, kInactiveTitleBarColour);
    colours.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(colours);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setPlainText(QString::fromLatin1(kHelpText));
    // Read-only, but the keys still move through the text, as the scroll bar does.
    Text1->setReadOnly(true);
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setFocus();

    // The names lie over the keys picture, each over its player's keys.
    AddPicture(this, "Image1", {1, 405}, QStringLiteral(":/help/keys.png"));
    AddName(this, "Label1", {145, 406, 140, 28}, player1Name);
    AddName(this, "Label2", {381, 406, 137, 28}, player2Name);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace zorvik
