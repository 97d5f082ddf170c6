// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/end_screen.h"

#include "paint/paint_kit.h"
#include "ui/end_message.h"
#include "ui/fonts.h"
#include "widgets/end_screen_layout.h"
#include "widgets/painted_word.h"
#include "widgets/picture_book.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace zorvik {

namespace {
using namespace layout::endscreen;
using paintkit::Lettering;
using paintkit::titleLettering;

constexpr QColor kCaptionInk{60, 66, 130};

Lettering Caption(qreal size, int flags) {
    return paintkit::captionLettering(size, true, kCaptionInk, flags);
}

// The words of each ending's picture, where the picture leaves room for
// them, in the picture's pixels.
void LetterPicture(QWidget& screen, EndPicture picture) {
    const auto letter = [&screen](const char* name, const QRectF& place, const Lettering& look,
                                  const QString& text) {
        new PaintedWord(screen, name, place.translated(kFrame, kFrame), look, text);
    };
    const qreal width = kClientArea.width();
    const QColor navy = paintkit::palette::navy;
    switch (picture) {
    case EndPicture::NextLevel:
        letter("levelHeading", QRectF(22, 44, 174, 46), titleLettering(46, navy, Qt::AlignLeft),
               EndScreen::tr("LEVEL", "over the number of the level to come"));
        letter("levelPraise", QRectF(24, 90, 172, 24),
               Caption(12.5, Qt::AlignLeft | Qt::AlignVCenter), EndScreen::tr("Well done!"));
        break;
    case EndPicture::CampaignWon:
        // Short of the star at its right.
        letter("campaignHeading", QRectF(140, 34, 172, 40), titleLettering(38, navy),
               EndScreen::tr("Campaign", "the first line of: Campaign complete!"));
        letter("completeHeading", QRectF(126, 76, 200, 36),
               titleLettering(32, QColor(200, 120, 10)),
               EndScreen::tr("complete!", "the second line of: Campaign complete!"));
        letter("campaignPraise", QRectF(126, 112, 200, 20), Caption(12, Qt::AlignCenter),
               EndScreen::tr("All seven levels cleared"));
        break;
    case EndPicture::ClassicWon:
        // Between the two stars.
        letter("classicHeading", QRectF(53, 26, 235, 46), titleLettering(46, navy),
               EndScreen::tr("Game won!"));
        letter("classicPraise", QRectF(8, 74, width - 16, 20), Caption(12, Qt::AlignCenter),
               EndScreen::tr("100 food eaten – the classic game is complete"));
        break;
    case EndPicture::GameOver:
        letter("gameOverHeading", QRectF(8, 24, width - 16, 54),
               titleLettering(50, QColor(190, 24, 36)), EndScreen::tr("GAME OVER"));
        break;
    }
}

} // namespace

EndScreen::EndScreen(const EndScreenContent& content, const PlayerNames& names, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      picture_(EmbeddedPicture(PictureOf(content.picture),
                               parent != nullptr ? parent->devicePixelRatioF() : 1.0)),
      levelNumber_(new QLabel(this)), message_(new QLabel(this)) {
    setModal(true);
    LetterPicture(*this, content.picture);
    setFixedSize(kClientArea + QSize(2 * kFrame, 2 * kFrame));

    const QPoint client(kFrame, kFrame);
    levelNumber_->setObjectName(QStringLiteral("levelNumber"));
    levelNumber_->setGeometry(kLevelNumber.translated(client));
    levelNumber_->setFont(DisplayFont(72));
    levelNumber_->setTextFormat(Qt::PlainText);
    levelNumber_->setVisible(content.level.has_value());
    if (content.level) {
        levelNumber_->setText(QString::number(*content.level));
        levelNumber_->setAccessibleName(
            tr("Level %1", "the level the campaign goes on to").arg(*content.level));
    }

    message_->setObjectName(QStringLiteral("message"));
    message_->setGeometry(kMessage.translated(client));
    message_->setFont(DisplayFont(9.75));
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setTextFormat(Qt::PlainText);
    message_->setVisible(content.message.has_value());
    if (content.message) {
        message_->setText(FitEndMessage(*content.message, names, message_->fontMetrics(),
                                        message_->contentsRect().width()));
    }
}

QString EndScreen::PictureOf(EndPicture picture) {
    switch (picture) {
    case EndPicture::NextLevel:
        return QStringLiteral(":/endscreen/level.png");
    case EndPicture::CampaignWon:
        return QStringLiteral(":/endscreen/campaign-over.png");
    case EndPicture::ClassicWon:
        return QStringLiteral(":/endscreen/classic-over.png");
    case EndPicture::GameOver:
        break;
    }
    return QStringLiteral(":/endscreen/game-over.png");
}

void EndScreen::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect client(QPoint(kFrame, kFrame), kClientArea);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(client, Qt::white);
    painter.setClipRect(client);
    painter.drawPixmap(client.topLeft(), picture_);
    DrawWords(painter, *this, event->region(), picture_, client.topLeft());
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

// Over the main window's screen, which need not be the primary one.
void EndScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this, parentWidget() != nullptr ? parentWidget()->screen() : screen());
}

} // namespace zorvik
