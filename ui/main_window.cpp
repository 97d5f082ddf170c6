// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_window.h"

#include "settings/settings_window.h"
#include "ui/board_view.h"
#include "ui/elided_label.h"
#include "ui/end_screen.h"
#include "ui/fonts.h"
#include "widgets/drag_form.h"
#include "widgets/hot_spot.h"
#include "widgets/outline.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"
#include "widgets/window_outlines.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace zorvik {

namespace {
constexpr QSize kClientArea{801, 551};
constexpr QColor kBackgroundColour{224, 224, 224};
constexpr QColor kPowerColour{255, 128, 0};
constexpr int kTwipsPerPixel = 15;

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QFont& font, QColor colour,
                  const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

ElidedLabel* MakeNameLabel(QWidget* parent, const QRect& geometry, const QString& name) {
    auto* label = new ElidedLabel(parent);
    label->setGeometry(geometry);
    label->setFont(DisplayFont(14.25));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setText(name);
    return label;
}

QWidget* MakePowerBar(QWidget* parent, const QRect& geometry) {
    auto* bar = new QWidget(parent);
    bar->setGeometry(geometry);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, kPowerColour);
    bar->setPalette(palette);
    return bar;
}

QFrame* MakePowerFrame(QWidget* parent, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    return frame;
}

QString ScoreText(float score) {
    return QString::number(static_cast<double>(score), 'f', 0);
}

} // namespace

MainWindow::MainWindow(PictureBook& book, std::uint32_t seed, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), book_(book), choices_(book),
      pictures_(book, choices_), game_(*this, pictures_.cells, seed),
      background_(EmbeddedPicture(QStringLiteral(":/main/background.png"))) {
    setWindowTitle(QStringLiteral("Zorvik"));
    setFixedSize(kClientArea);
    setFocusPolicy(Qt::StrongFocus);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &MainWindow::Tick);
    qApp->installEventFilter(&keys_);
    // Keys come only through this program's windows, so a running game
    // pauses when the keyboard goes to another program.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    PauseStep();
                }
            });

    LayOutControls();

    game_.Form_Load();
    settings_ = new SettingsWindow(game_, *this, book_, choices_, this);
    connect(settings_, &SettingsWindow::gameChanged, this, &MainWindow::ShowState);
    settings_->MatchSpeedIndicator(2);
    ShowState();
    SetWindowOutline(*this, MainWindowRegion());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(&keys_);
}

void MainWindow::LayOutControls() {
    board_ = new BoardView(game_, book_, this);
    board_->move(31, 34);

    const auto button = [this](Picture picture, int left, const char* name) {
        auto* box = new PictureBox(book_, this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(left, 31, 41, 38);
        box->setPicture(picture);
        return box;
    };
    Pause = button(pictures_.pause1, 577, "Pause");
    PictureBox* hlp = button(pictures_.help, 626, "hlp");
    PictureBox* Image2 = button(pictures_.minimise, 676, "Image2");
    PictureBox* ext = button(pictures_.exit, 725, "ext");
    connect(Pause, &PictureBox::clicked, this, &MainWindow::PauseClicked);
    connect(hlp, &PictureBox::clicked, this, &MainWindow::HelpClicked);
    connect(Image2, &PictureBox::clicked, this, &MainWindow::MinimiseClicked);
    connect(ext, &PictureBox::clicked, qApp, &QCoreApplication::quit);

    const auto hotSpot = [this](const QRect& geometry, const char* name) {
        auto* spot = new HotSpot(this);
        spot->setObjectName(QString::fromLatin1(name));
        spot->setGeometry(geometry);
        return spot;
    };
    connect(hotSpot({660, 116, 76, 30}, "Label3"), &HotSpot::clicked, this,
            &MainWindow::NewGameClicked);
    connect(hotSpot({669, 186, 100, 30}, "Label4"), &HotSpot::clicked, this,
            &MainWindow::SetupClicked);
    connect(hotSpot({558, 255, 187, 31}, "Label7"), &HotSpot::clicked, this,
            &MainWindow::MoreGamesClicked);

    Label5 = MakeNameLabel(this, {566, 332, 192, 25}, QStringLiteral("Player1"));
    Label5->setObjectName(QStringLiteral("Label5"));
    Label6 = MakeNameLabel(this, {568, 427, 192, 26}, QStringLiteral("Player2"));
    Label6->setObjectName(QStringLiteral("Label6"));
    connect(Label5, &ElidedLabel::clicked, this, &MainWindow::NamesClicked);
    connect(Label6, &ElidedLabel::clicked, this, &MainWindow::NamesClicked);

    const QFont scoreFont = PlainFont(24, true);
    const QFont powerFont = PlainFont(8.25, true);
    Label1 = MakeLabel(this, {577, 360, 153, 37}, scoreFont, Qt::red, QStringLiteral("00000000"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = MakeLabel(this, {578, 456, 153, 37}, scoreFont, Qt::blue, QStringLiteral("00000000"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    // The scores sit a little inside the boxes painted behind them.
    Label1->setIndent(6);
    Label2->setIndent(6);
    MakeLabel(this, {568, 398, 49, 16}, powerFont, Qt::black, QStringLiteral("Power"));
    MakeLabel(this, {568, 494, 49, 16}, powerFont, Qt::black, QStringLiteral("Power"));

    // Each bar lies under its frame, so the frame stays visible at full power.
    Label8 = MakePowerBar(this, {607, 397, 158, 16});
    Label8->setObjectName(QStringLiteral("Label8"));
    MakePowerFrame(this, {607, 397, 158, 16});
    Label13 = MakePowerBar(this, {607, 493, 158, 16});
    Label13->setObjectName(QStringLiteral("Label13"));
    MakePowerFrame(this, {607, 493, 158, 16});
}

void MainWindow::Tick() {
    game_.Tick();
    ShowState();
}

void MainWindow::ShowState() {
    Label1->setText(ScoreText(game_.Score1));
    Label2->setText(ScoreText(game_.Score2));
    Label2->setVisible(game_.Score2Shown);
    Label8->resize(qRound(game_.Power1 / kTwipsPerPixel), Label8->height());
    Label13->resize(qRound(game_.Power2 / kTwipsPerPixel), Label13->height());
    board_->update();
}

bool MainWindow::KeyPressed(int virtualKey) {
    return keys_.KeyPressed(virtualKey);
}

bool MainWindow::TimerEnabled() const {
    return Timer1.isActive();
}

void MainWindow::SetTimerEnabled(bool enabled) {
    if (enabled) {
        Timer1.start();
    } else {
        Timer1.stop();
    }
}

int MainWindow::TimerInterval() const {
    return Timer1.interval();
}

void MainWindow::SetTimerInterval(int milliseconds) {
    Timer1.setInterval(milliseconds);
}

void MainWindow::ShowEndScreen(const EndScreenContent& content) {
    ShowState();
    EndScreen screen(content, this);
    screen.exec();
    raise();
    activateWindow();
}

std::string MainWindow::PlayerName(int player) const {
    return (player == 1 ? Label5 : Label6)->text().toStdString();
}

bool MainWindow::SnakesCollide() const {
    return settings_->SnakesCollide();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundColour);
    painter.drawPixmap(0, 0, background_);
}

// A press on the window's own surface, not on a control or the board,
// moves the window.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (childAt(event->position().toPoint()) == nullptr) {
        DragForm(*this, event->globalPosition());
    }
}

// Tab belongs to player 2, never to focus navigation.
bool MainWindow::focusNextPrevChild(bool) {
    return false;
}

} // namespace zorvik
