// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/help_window.h"

#include "ui/elided_label.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "widgets/help_layout.h"
#include "widgets/picture_book.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace zorvik {

namespace {
using namespace layout::help;

// Stands in for the desktop's colour of inactive title bars, behind the help text.
constexpr QColor kInactiveTitleBarColour{212, 208, 200};

void AddPicture(QWidget* parent, const char* name, const QRect& geometry, const QString& resource,
                qreal devicePixelRatio, const QString& accessibleName) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setAccessibleName(accessibleName);
    picture->setPixmap(EmbeddedPicture(resource, devicePixelRatio));
    picture->setGeometry(geometry);
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

    // Shown over the main window, on its screen.
    const qreal ratio = parent != nullptr ? parent->devicePixelRatioF() : 1.0;
    AddPicture(this, "logo", kLogo, QStringLiteral(":/help/logo.png"), ratio,
               QStringLiteral("Zorvik"));
    AddPicture(this, "coiledSnake", kCoiledSnake, QStringLiteral(":/help/snake.png"), ratio,
               QStringLiteral("A coiled snake"));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setAccessibleName(QStringLiteral("Help"));
    text->setGeometry(kText);
    text->setFont(PlainFont(9.75, true));
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, kInactiveTitleBarColour);
    colours.setColor(QPalette::Text, Qt::black);
    text->setPalette(colours);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(QString::fromLatin1(kHelpText));
    // Read-only, but the keys still move through the text, as the scroll bar does.
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setFocus();

    // The names lie over the keys picture, each over its player's keys.
    AddPicture(this, "keys", kKeys, QStringLiteral(":/help/keys.png"), ratio,
               QStringLiteral("The players' keys"));
    AddName(this, "player1Name", kPlayer1Name, player1Name);
    AddName(this, "player2Name", kPlayer2Name, player2Name);

    CentreOnScreen(*this, parent != nullptr ? parent->screen() : screen());
}

} // namespace zorvik
