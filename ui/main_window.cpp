// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "ui/main_window.h"

#include "paint/paint_kit.h"
#include "sound/sound.h"
#include "ui/board_view.h"
#include "ui/elided_label.h"
#include "ui/end_screen.h"
#include "ui/fitted_text.h"
#include "ui/fonts.h"
#include "ui/names_dialog.h"
#include "widgets/hot_spot.h"
#include "widgets/main_window_layout.h"
#include "widgets/painted_word.h"
#include "widgets/picture_book.h"
#include "widgets/picture_box.h"
#include "widgets/placement.h"
#include "widgets/shaped_window.h"
#include "widgets/surface_drag.h"
#include "widgets/window_outlines.h"

#include <QApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

namespace zorvik {

namespace {
using namespace layout::mainwindow;

constexpr QColor kPowerColour{255, 128, 0};

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

ElidedLabel* MakeNameLabel(QWidget* parent, const char* name, const QRect& geometry,
                           const std::string& playerName) {
    auto* label = new ElidedLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(DisplayFont(14.25));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setText(QString::fromStdString(playerName));
    return label;
}

QWidget* MakePowerBar(QWidget* parent, const char* name, const QRect& geometry) {
    auto* bar = new QWidget(parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(geometry);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, kPowerColour);
    bar->setPalette(palette);
    // The frame lies over the bar, so that it stays visible at full power.
    auto* frame = new QFrame(parent);
    frame->setGeometry(geometry);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    return bar;
}

// Writes a score into its label only when it changed: formatting it on
// every tick would be the panel's main cost.
void ShowScore(QLabel& label, float score, float& shown, int player) {
    if (score != shown) {
        shown = score;
        label.setText(QString::number(static_cast<double>(score), 'f', 0));
        label.setAccessibleName(
            MainWindow::tr("Player %1 score: %2").arg(player).arg(label.text()));
    }
}

// The bar's name tells its length, and changes only with it.
void ShowPower(QWidget& bar, float power, int player) {
    const int width = qRound(power / kTwipsPerPixel);
    if (width != bar.width() || bar.accessibleName().isEmpty()) {
        bar.resize(width, bar.height());
        bar.setAccessibleName(MainWindow::tr("Player %1 power: %2%", "%2 is a percentage")
                                  .arg(player)
                                  .arg(qRound(power * 100 / kFullPower)));
    }
}

} // namespace

MainWindow::MainWindow(PictureBook& book, std::uint32_t seed, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), book_(book), choices_(book),
      pictures_(book), game_(*this, pictures_.board, seed),
      pads_(*this, keys_,
            [this] { return isActiveWindow() && QApplication::activeModalWidget() == nullptr; }),
      background_(book, pictures_.board.empty),
      shape_(new ShapedWindow(*this, MainWindowOutline(), kClientArea)), sound_(new Sound(*this)) {
    // The window opens on the primary screen, and its first paint would
    // wait for the background's reading, the longest of all.
    background_.ReadAhead(QGuiApplication::primaryScreen()->devicePixelRatio());
    setObjectName(QStringLiteral("SnakeTable"));
    setWindowTitle(QStringLiteral("Zorvik"));
    setFocusPolicy(Qt::StrongFocus);
    new SurfaceDrag(*this);
    clock_.setObjectName(QStringLiteral("gameClock"));
    connect(&clock_, &TickClock::ticked, this, &MainWindow::Tick);
    // Where the platform composites, the window is translucent; elsewhere it
    // paints every pixel it repaints, so Qt fills nothing under it first.
    setAttribute(Qt::WA_OpaquePaintEvent, !ShapedWindow::PlatformComposites());
    keys_.SteerFrom(this);
    qApp->installEventFilter(&keys_);
    // Keys come only through this program's windows, so a running game
    // pauses when the keyboard goes to another program.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive) {
                    PauseStep();
                }
            });
    connect(&pads_, &Gamepads::startPressed, this, &MainWindow::PauseClicked);
    connect(&pads_, &Gamepads::padUnplugged, this, &MainWindow::PauseStep);

    const GameOptions options = choices_.DefaultOptions();
    game_.SetPlayerNames(NamesDialog::DefaultName(1).toStdString(),
                         NamesDialog::DefaultName(2).toStdString());
    LayOutControls();
    NameControls();
    game_.Start(options);
    settings_ = new SettingsWindow(options, book_, choices_, this);
    connect(settings_, &SettingsWindow::optionsChosen, this, &MainWindow::ApplySettings);
    ShowState();
    CentreOnScreen(*this, QGuiApplication::primaryScreen());
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(&keys_);
}

void MainWindow::LetterWordButtons() {
    const auto letter = [this](const QRect& pill, const char* name, const QString& text) {
        new PaintedWord(*this, name, QRectF(pill).translated(0, 0.5),
                        paintkit::titleLettering(pill.height() * 0.66, paintkit::palette::gold),
                        text);
    };
    letter(kNewGameWord, "newGameLettering", tr("New", "the word that starts a new game"));
    letter(kSetupWord, "setupLettering", tr("Setup", "the word that opens the settings"));
    letter(kMoreGamesWords, "moreGamesLettering",
           tr("More Games", "the words that open the web page of more games"));
}

void MainWindow::LayOutControls() {
    board_ = new BoardView(game_, book_, this);
    board_->setObjectName(QStringLiteral("board"));
    board_->move(kBoard.topLeft());

    const auto button = [this](Picture picture, const QRect& geometry, const char* name) {
        return new PictureBox(book_, this, QLatin1String(name), geometry, picture);
    };
    pauseButton_ = button(pictures_.pause, kPauseButton, "pauseButton");
    connect(pauseButton_, &PictureBox::clicked, this, &MainWindow::PauseClicked);
    connect(button(pictures_.help, kHelpButton, "helpButton"), &PictureBox::clicked, this,
            &MainWindow::HelpClicked);
    connect(button(pictures_.minimise, kMinimiseButton, "minimiseButton"), &PictureBox::clicked,
            this, &MainWindow::MinimiseClicked);
    connect(button(pictures_.exit, kExitButton, "exitButton"), &PictureBox::clicked, qApp,
            &QCoreApplication::quit);

    const auto word = [this](const QRect& geometry, const char* name) {
        auto* spot = new HotSpot(this);
        spot->setObjectName(QLatin1String(name));
        spot->setGeometry(geometry);
        return spot;
    };
    connect(word(kNewGameWord, "newGameWord"), &HotSpot::clicked, this,
            &MainWindow::NewGameClicked);
    connect(word(kSetupWord, "setupWord"), &HotSpot::clicked, this, &MainWindow::SetupClicked);
    connect(word(kMoreGamesWords, "moreGamesWords"), &HotSpot::clicked, this,
            &MainWindow::MoreGamesClicked);
    LetterWordButtons();

    player1Name_ = MakeNameLabel(this, "player1Name", kPlayer1Name, game_.playerName(1));
    player2Name_ = MakeNameLabel(this, "player2Name", kPlayer2Name, game_.playerName(2));
    connect(player1Name_, &ElidedLabel::clicked, this, &MainWindow::NamesClicked);
    connect(player2Name_, &ElidedLabel::clicked, this, &MainWindow::NamesClicked);

    const QFont scoreFont = PlainFont(24, true);
    const QFont powerFont = PlainFont(8.25, true);
    player1Score_ = MakeLabel(this, kPlayer1Score, scoreFont, Qt::red, {});
    player1Score_->setObjectName(QStringLiteral("player1Score"));
    player2Score_ = MakeLabel(this, kPlayer2Score, scoreFont, Qt::blue, {});
    player2Score_->setObjectName(QStringLiteral("player2Score"));
    // The scores sit a little inside the boxes painted behind them.
    player1Score_->setIndent(6);
    player2Score_->setIndent(6);
    const QString power = tr("Power", "the caption of a player's power bar");
    // A caption's place ends where its bar begins, which covers the rest of
    // it: a longer word, or one aligned right to left, stays in sight.
    const auto captionBeside = [](const QRect& caption, const QRect& bar) {
        return caption.adjusted(0, 0, bar.left() - caption.right() - 1, 0);
    };
    SetFittedText(*MakeLabel(this, captionBeside(kPlayer1PowerCaption, kPlayer1PowerBar), powerFont,
                             Qt::black, {}),
                  power);
    SetFittedText(*MakeLabel(this, captionBeside(kPlayer2PowerCaption, kPlayer2PowerBar), powerFont,
                             Qt::black, {}),
                  power);
    player1Power_ = MakePowerBar(this, "player1Power", kPlayer1PowerBar);
    player2Power_ = MakePowerBar(this, "player2Power", kPlayer2PowerBar);
}

void MainWindow::Tick() {
    pads_.Read();
    computerAction_.reset();
    if (ComputerPlays()) {
        // Player 2's keys and pad steer nothing now, nor once a person takes
        // over.
        keys_.ForgetPresses(2);
        computerAction_ = computer_.ChooseAction(game_);
    }
    heard_ = {};
    game_.Tick();
    PlayTickSounds();
    ShowState();
}

void MainWindow::PlayTickSounds() {
    sound_->Play(game_.tickEvents().Without(heard_));
    heard_ = game_.tickEvents();
}

// Only what changed is repainted: a score is written only when it changed,
// and Qt ignores a bar given its own width or a label its own visibility.
void MainWindow::ShowState() {
    const Player& one = game_.player(1);
    const Player& two = game_.player(2);
    ShowScore(*player1Score_, one.score, shownScores_[0], 1);
    ShowScore(*player2Score_, two.score, shownScores_[1], 2);
    player2Score_->setVisible(game_.player2ScoreShown());
    ShowPower(*player1Power_, one.power, 1);
    ShowPower(*player2Power_, two.power, 2);
    board_->ShowChanges();
}

void MainWindow::ApplySettings(const GameOptions& options, SettingsChange change) {
    switch (change) {
    case SettingsChange::Speed:
        game_.SetSpeedStep(options.speedStep);
        break;
    case SettingsChange::Collide:
        game_.SetSnakesCollide(options.snakesCollide);
        break;
    case SettingsChange::Players:
        game_.StartGame(options);
        NamePlayer2();
        break;
    case SettingsChange::Pictures:
        game_.StartGame(options);
        break;
    case SettingsChange::GameType:
        game_.StartGameOnLevel(options, 1);
        break;
    }
    ShowState();
}

bool MainWindow::ActionRequested(PlayerControl control) {
    if (control.player != 2 || !ComputerPlays()) {
        return keys_.Requested(control);
    }
    if (computerAction_ == control.action) {
        computerAction_.reset();
        return true;
    }
    return false;
}

bool MainWindow::ComputerPlays() const {
    return game_.options().twoPlayers && game_.options().computerPlaysPlayer2;
}

void MainWindow::NamePlayer2() {
    if (player2NamedByPlayers_) {
        return;
    }
    const std::string name = (game_.options().computerPlaysPlayer2
                                  ? tr("Computer", "player 2's name while the computer plays it")
                                  : NamesDialog::DefaultName(2))
                                 .toStdString();
    game_.SetPlayerNames(game_.playerName(1), name);
    player2Name_->setText(QString::fromStdString(name));
}

void MainWindow::SetTimerEnabled(bool enabled) {
    if (enabled) {
        clock_.Start();
    } else {
        clock_.Stop();
    }
    pads_.SetReadByTicks(enabled);
}

void MainWindow::SetTimerInterval(int milliseconds) {
    clock_.SetInterval(milliseconds);
}

// The engine has started the next game already; the window goes on showing
// the one that ended, board, scores and power, until the tick that resumes
// once the end screen is gone shows the fresh game. The ending is heard as
// its screen comes up.
void MainWindow::ShowEndScreen(const EndScreenContent& content) {
    PlayTickSounds();
    const PlayerNames names{QString::fromStdString(game_.playerName(1)),
                            QString::fromStdString(game_.playerName(2))};
    EndScreen screen(content, names, this);
    screen.exec();
    raise();
    activateWindow();
}

// Where the platform composites, the window is translucent and its shaped
// background is painted whole, clipped to the region. Elsewhere only the
// parts of the picture that the paint asks for are copied, one rectangle of
// its region at a time, which is faster than the whole picture through a
// clip, above all when it is scaled; the window's colour fills what the
// picture leaves bare.
void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPixmap& panel = background_.Panel(painter.device()->devicePixelRatioF());
    if (ShapedWindow::PlatformComposites()) {
        shape_->PaintBackground(painter, panel.cacheKey(),
                                [this](QPainter& on) { background_.PaintWhole(on); });
    } else {
        background_.Paint(painter, event->region());
        for (const QRect& bare : event->region() - QRect({}, kBackground)) {
            painter.fillRect(bare, palette().window());
        }
    }
    DrawWords(painter, *this, event->region(), panel, MainBackground::kPanelAt);
}

// Tab belongs to player 2, never to focus navigation.
bool MainWindow::focusNextPrevChild(bool) {
    return false;
}

} // namespace zorvik
