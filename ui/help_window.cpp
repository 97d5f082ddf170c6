// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/help_window.h"

#include "paint/paint_kit.h"
#include "ui/elided_label.h"
#include "ui/fonts.h"
#include "ui/help_text.h"
#include "widgets/help_layout.h"
#include "widgets/painted_word.h"
#include "widgets/picture_book.h"
#include "widgets/placement.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace zorvik {

namespace {
using namespace layout::help;

// Stands in for the desktop's colour of inactive title bars, behind the help text.
constexpr QColor kInactiveTitleBarColour{212, 208, 200};

// A picture with the words that belong to it drawn over it.
class LetteredPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
        DrawWords(painter, *this, event->region(), pixmap());
    }
};

QLabel* AddPicture(QWidget* parent, const char* name, const QRect& geometry,
                   const QString& accessibleName) {
    auto* picture = new LetteredPicture(parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setAccessibleName(accessibleName);
    picture->setGeometry(geometry);
    return picture;
}

ElidedLabel* AddName(QWidget* parent, const char* objectName, const QRect& geometry) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(geometry);
    label->setFont(DisplayFont(12));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}
} // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Help"));
    setFixedSize(kClientArea);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);

    pictures_[0] = {AddPicture(this, "logo", kLogo, QStringLiteral("Zorvik")),
                    QStringLiteral(":/help/logo.png")};
    pictures_[1] = {AddPicture(this, "coiledSnake", kCoiledSnake, tr("A coiled snake")),
                    QStringLiteral(":/help/snake.png")};

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("helpText"));
    text_->setAccessibleName(tr("Help"));
    text_->setGeometry(kText);
    text_->setFont(PlainFont(9.75, true));
    QPalette colours = text_->palette();
    colours.setColor(QPalette::Base, kInactiveTitleBarColour);
    colours.setColor(QPalette::Text, Qt::black);
    text_->setPalette(colours);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text_->setPlainText(tr(kHelpText));
    // Read-only, but the keys still move through the text, as the scroll bar does.
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    // The names lie over the keys picture, each over its player's keys.
    pictures_[2] = {AddPicture(this, "keys", kKeys, tr("The players' keys")),
                    QStringLiteral(":/help/keys.png")};
    LetterKeys(*pictures_[2].label);
    player1Name_ = AddName(this, "player1Name", kPlayer1Name);
    player2Name_ = AddName(this, "player2Name", kPlayer2Name);
}

// The heading at the left, and beside each player's keys what they do: the
// wide key bites, the four below it steer. The keys picture shares the
// window's columns, so each player's keys lie under the name label.
void HelpWindow::LetterKeys(QLabel& keys) {
    const qreal firstTray = QRectF(kPlayer1Name).center().x() - 68;
    new PaintedWord(keys, "controlsHeading", QRectF(10, 50, firstTray - 14, 30),
                    paintkit::titleLettering(26, paintkit::palette::navy, Qt::AlignLeft),
                    tr("Controls"));
    const paintkit::Lettering caption = paintkit::captionLettering(11, false, QColor(90, 90, 130));
    for (const QRect& name : {kPlayer1Name, kPlayer2Name}) {
        const qreal left = QRectF(name).center().x() + 20;
        new PaintedWord(keys, "biteCaption", QRectF(left, 35, 44, 23), caption,
                        tr("bite", "what the wide key does"));
        new PaintedWord(keys, "steerCaption", QRectF(left, 65, 44, 23), caption,
                        tr("steer", "what the four keys below it do"));
    }
}

void HelpWindow::Open(const QString& player1Name, const QString& player2Name) {
    // Shown over the main window, on its screen.
    const QWidget& over = parentWidget() != nullptr ? *parentWidget() : *this;
    ShowPictures(over.devicePixelRatioF());
    player1Name_->setText(player1Name);
    player2Name_->setText(player2Name);
    text_->moveCursor(QTextCursor::Start);
    text_->setFocus();
    CentreOnScreen(*this, over.screen());
    exec();
}

void HelpWindow::ShowPictures(qreal devicePixelRatio) {
    if (devicePixelRatio == picturesRatio_) {
        return;
    }
    picturesRatio_ = devicePixelRatio;
    for (const Picture& picture : pictures_) {
        picture.label->setPixmap(EmbeddedPicture(picture.resource, devicePixelRatio));
    }
}

} // namespace zorvik
