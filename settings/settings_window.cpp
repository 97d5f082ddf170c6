// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "settings/settings_window.h"

#include "engine/snake_game.h"
#include "settings/option_pictures.h"
#include "widgets/drag_form.h"
#include "widgets/outline.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"
#include "widgets/window_outlines.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>

namespace zorvik {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kClientArea{428, 507};
constexpr QColor kLavender{192, 192, 255};

// The layout is drawn up in twips, the pictures in pixels.
constexpr QRect FromTwips(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

// The rows of choices: which control stands at each place, from left to
// right, and where. The pictures always run left to right in their colour
// order, whatever the index of the control that shows them.
constexpr std::array<int, 5> kSBIndexes{4, 0, 2, 1, 3};
constexpr std::array<int, 5> kSB2Indexes{1, 0, 2, 3, 4};
constexpr std::array<int, 5> kSwatchLefts{4605, 4965, 5325, 5685, 6045};
constexpr std::array<int, 8> kSOIndexes{7, 2, 4, 6, 1, 5, 0, 3};
constexpr std::array<int, 8> kTileLefts{3900, 4200, 4500, 4800, 5130, 5445, 5745, 6045};
constexpr std::array<int, kSpeedSteps.size()> kSpeedLefts{2910, 3330, 3765, 4185, 4605, 5040, 5460};

} // namespace

SettingsWindow::SettingsWindow(SnakeGame& game, GameWindow& window, PictureBook& book,
                   const OptionPictures& choices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), game_(game), window_(window),
      book_(book), pictures_(book) {
    setWindowTitle(QStringLiteral("SETTINGS"));
    setModal(true);
    setFixedSize(kClientArea);
    LayOutControls(choices);

    Image4->setPicture(pictures_.oneplayer);
    SOF->setPicture(game_.Templates.Obs);
    SBF->setPicture(game_.Templates.SBlock);
    SBF2->setPicture(game_.Templates.IM2P);
    SetWindowOutline(*this, SettingsRegion());

    // Placed once: after a drag the window opens again where it was left.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void SettingsWindow::LayOutControls(const OptionPictures& choices) {
    SBF = AddPicture(QStringLiteral("SBF"), FromTwips(3315, 1425, 240, 240));
    SBF2 = AddPicture(QStringLiteral("SBF2"), FromTwips(3315, 2085, 240, 240));
    SOF = AddPicture(QStringLiteral("SOF"), FromTwips(3315, 2760, 240, 240));
    AddChoiceRow("SB", kSBIndexes, kSwatchLefts, 1440, 225, choices.snakes, SBF);
    AddChoiceRow("SB2", kSB2Indexes, kSwatchLefts, 2115, 225, choices.snakes, SBF2);
    AddChoiceRow("SO", kSOIndexes, kTileLefts, 2760, 240, choices.tiles, SOF);

    for (std::size_t k = 0; k < SpeedPic.size(); ++k) {
        SpeedPic[k] = AddPicture(QStringLiteral("SpeedPic%1").arg(k),
                                 FromTwips(kSpeedLefts[k], 3465, 375, 300),
                                 k == 0 ? pictures_.SpeedUp[0] : pictures_.SpeedDown);
        connect(SpeedPic[k], &PictureBox::clicked, this,
                [this, k] { SpeedPicClicked(static_cast<int>(k)); });
    }

    yesop = AddPicture(QStringLiteral("yesop"), FromTwips(4170, 4095, 990, 480), pictures_.yesup);
    noop = AddPicture(QStringLiteral("noop"), FromTwips(5445, 4110, 765, 480), pictures_.nodown);
    connect(yesop, &PictureBox::clicked, this, &SettingsWindow::yesopClicked);
    connect(noop, &PictureBox::clicked, this, &SettingsWindow::noopClicked);

    Image4 = AddPicture(QStringLiteral("Image4"), FromTwips(840, 5430, 1215, 1215));
    connect(Image4, &PictureBox::clicked, this, &SettingsWindow::Image4Clicked);

    QRadioButton* Option1 = AddOptionButton("Option1", FromTwips(3570, 5670, 210, 225));
    QRadioButton* Option2 = AddOptionButton("Option2", FromTwips(3570, 6255, 210, 210));
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, [this] { ChooseGameType(false); });
    connect(Option2, &QRadioButton::clicked, this, [this] { ChooseGameType(true); });

    PictureBox* Command1 =
        AddPicture(QStringLiteral("Command1"), FromTwips(1710, 6765, 1005, 555), pictures_.apply);
    PictureBox* Image2 =
        AddPicture(QStringLiteral("Image2"), FromTwips(3345, 6780, 1005, 555), pictures_.cancel);
    connect(Command1, &PictureBox::clicked, this, &SettingsWindow::Command1Clicked);
    connect(Image2, &PictureBox::clicked, this, &SettingsWindow::reject);
}

PictureBox* SettingsWindow::AddPicture(const QString& name, const QRect& geometry, Picture picture) {
    auto* box = new PictureBox(book_, this);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setPicture(picture);
    return box;
}

void SettingsWindow::AddChoiceRow(const char* name, std::span<const int> indexes,
                            std::span<const int> lefts, int top, int size,
                            std::span<const Picture> pictures, PictureBox* preview) {
    for (std::size_t place = 0; place < indexes.size(); ++place) {
        PictureBox* choice =
            AddPicture(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(indexes[place]),
                       FromTwips(lefts[place], top, size, size), pictures[place]);
        connect(choice, &PictureBox::clicked, this,
                [choice, preview] { preview->setPicture(choice->picture()); });
    }
}

QRadioButton* SettingsWindow::AddOptionButton(const char* name, const QRect& geometry) {
    auto* button = new QRadioButton(this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(button->backgroundRole(), kLavender);
    button->setPalette(palette);
    return button;
}

void SettingsWindow::MatchSpeedIndicator(int step) {
    for (std::size_t i = 0; i < SpeedPic.size(); ++i) {
        SpeedPic[i]->setPicture(static_cast<int>(i) <= step ? pictures_.SpeedUp[i]
                                                            : pictures_.SpeedDown);
    }
}

void SettingsWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, book_.Pixmap(pictures_.background));
}

// A press of any button on the window's own surface, not on a control,
// moves the window.
void SettingsWindow::mousePressEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) {
        DragForm(*this, event->globalPosition());
    }
}

} // namespace zorvik
