// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/end_screen.h"

#include "ui/elided_label.h"
#include "ui/fonts.h"
#include "widgets/picture_book.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace zorvik {

namespace {
constexpr int kFrame = 3;
constexpr QSize kClientArea{341, 204};
} // namespace

EndScreen::EndScreen(const EndScreenContent& content, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      picture_(EmbeddedPicture(PictureOf(content.picture))), Label1(new QLabel(this)),
      Label2(new ElidedLabel(this)) {
    setModal(true);
    setFixedSize(kClientArea + QSize(2 * kFrame, 2 * kFrame));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(kFrame + 204, kFrame + 50, 103, 125);
    Label1->setFont(DisplayFont(72));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setVisible(content.level.has_value());
    if (content.level) {
        Label1->setText(QString::number(*content.level));
    }

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(kFrame + 29, kFrame + 149, 296, 29);
    Label2->setFont(DisplayFont(9.75));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setVisible(content.message.has_value());
    if (content.message) {
        Label2->setText(QString::fromStdString(content.message->Text()));
    }
}

QString EndScreen::PictureOf(EndPicture picture) {
    switch (picture) {
    case EndPicture::LevelProceed:
        return QStringLiteral(":/endscreen/level.png");
    case EndPicture::CampaignOver:
        return QStringLiteral(":/endscreen/campaign-over.png");
    case EndPicture::ClassicOver:
        return QStringLiteral(":/endscreen/classic-over.png");
    case EndPicture::GameOver:
        break;
    }
    return QStringLiteral(":/endscreen/game-over.png");
}

void EndScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect client(QPoint(kFrame, kFrame), kClientArea);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(client, Qt::white);
    painter.setClipRect(client);
    painter.drawPixmap(client.topLeft(), picture_);
    painter.setClipping(false);
    // A thin raised frame: light on the top and left, dark on the bottom and right.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
}

// Only a click on the window's own surface counts; one on a shown label
// belongs to the label.
void EndScreen::mousePressEvent(QMouseEvent* event) {
    pressed_ = childAt(event->position().toPoint()) == nullptr;
}

void EndScreen::mouseReleaseEvent(QMouseEvent* event) {
    if (pressed_ && rect().contains(event->position().toPoint()) &&
        childAt(event->position().toPoint()) == nullptr) {
        accept();
    }
    pressed_ = false;
}

void EndScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace zorvik
