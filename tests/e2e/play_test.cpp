// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Plays the real game on a private X server, as a player would: with the
// mouse and the keyboard, reading everything back from the screen.
// Usage: e2e_play_test <zorvik executable> <leak suppressions file>
#include "desktop.h"
#include "screen_pictures.h"
#include "snake_shape.h"
#include "ui/fonts.h"
#include "x_session.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

using namespace zorvik::e2e;

namespace {

constexpr QSize kScreen{1280, 1024};
constexpr QSize kMainWindow{801, 551};
constexpr QSize kSettingsWindow{428, 507};
constexpr QSize kNamesDialog{358, 151};
constexpr int kTickMs = 150;
// Generous, for a sanitizer build on a busy machine.
constexpr int kStartTimeoutMs = 90000;
constexpr int kStepTimeoutMs = 15000;

// Controls, relative to their windows.
constexpr QRect kPauseBall{577, 31, 41, 38};
constexpr QRect kExitBall{725, 31, 41, 38};
constexpr QRect kSetupWord{669, 186, 100, 30};
constexpr QRect kPlayer1Name{566, 332, 192, 25};
constexpr QRect kPlayerPicture{56, 362, 81, 81};
constexpr QRect kYesButton{114, 451, 67, 37};
constexpr QRect kText1{155, 51, 162, 22};
constexpr QRect kContinueWord{132, 117, 98, 32};

constexpr int kRedRow = 3;
constexpr int kGreenRow = 5;
constexpr int kStartLength = 6;
// Anti-aliased edges may fall either side of the ink threshold.
constexpr int kInkWidthTolerance = 3;

QImage Resource(const char* path) {
    return QImage(QString::fromLatin1(path)).convertToFormat(QImage::Format_ARGB32);
}

QString Describe(const std::vector<int>& cells) {
    QStringList numbers;
    for (const int cell : cells) {
        numbers << QString::number(cell);
    }
    return QLatin1Char('[') + numbers.join(QLatin1Char(' ')) + QLatin1Char(']');
}

// The width of the ink a name leaves on the panel, in the players' name face.
int InkWidthOf(const QString& name) {
    return QFontMetrics(zorvik::DisplayFont(14.25)).tightBoundingRect(name).width();
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
public:
    PlayTest(QString game, QString leakSuppressions)
        : gamePath_(std::move(game)), leakSuppressions_(std::move(leakSuppressions)) {}

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void snakeStartsOnRowThreeAndAdvancesOneCellPerTick();
    void arrowKeyTurnsTheSnakeDown();
    void setupStartsATwoPlayerGame();
    void typedNameReplacesTheNameOnThePanel();
    void exitBallEndsTheGame();

private:
    // Grabs the main window until `done` holds for what it shows, for at
    // most the timeout; the last picture stays in shot_ either way.
    bool WaitUntil(const std::function<bool(const QImage&)>& done, int timeoutMs = kStepTimeoutMs);
    void Save(const char* step) const;
    bool ShowsRunning(const QImage& window) const;
    bool ShowsPaused(const QImage& window) const;
    // Clicks the Pause ball when needed, until it shows the wanted state.
    bool SetRunning(bool running);
    bool ClickMain(const QRect& control);
    // Waits for the window titled `title` to go away.
    bool WaitWhileShown(const QString& title);
    std::vector<int> Cells(CellShows what) const;

    const QString gamePath_;
    const QString leakSuppressions_;
    std::unique_ptr<XSession> session_;
    std::unique_ptr<Desktop> desktop_;
    QProcess* game_ = nullptr;
    WindowId window_;
    QRect windowArea_;
    BoardReader board_;
    QImage shot_;
    const QImage pauseBall_ = Resource(":/main/pause.png");
    const QImage playBall_ = Resource(":/main/play.png");
    bool broken_ = false;
};

bool PlayTest::WaitUntil(const std::function<bool(const QImage&)>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        shot_ = desktop_->Grab(windowArea_);
        if (!shot_.isNull() && done(shot_)) {
            return true;
        }
    } while (!deadline.hasExpired());
    return false;
}

// Pictures go into the working directory, to look at when a step fails.
void PlayTest::Save(const char* step) const {
    shot_.save(QStringLiteral("e2e-%1.png").arg(QLatin1String(step)));
}

bool PlayTest::ShowsRunning(const QImage& window) const {
    return ShowsPicture(window, kPauseBall.topLeft(), pauseBall_);
}

bool PlayTest::ShowsPaused(const QImage& window) const {
    return ShowsPicture(window, kPauseBall.topLeft(), playBall_);
}

bool PlayTest::SetRunning(bool running) {
    if (!WaitUntil([this](const QImage& w) { return ShowsRunning(w) || ShowsPaused(w); })) {
        return false;
    }
    if (ShowsRunning(shot_) != running && !ClickMain(kPauseBall)) {
        return false;
    }
    return WaitUntil([&](const QImage& w) { return running ? ShowsRunning(w) : ShowsPaused(w); });
}

bool PlayTest::ClickMain(const QRect& control) {
    return desktop_->Click(window_, control.center());
}

bool PlayTest::WaitWhileShown(const QString& title) {
    const QDeadlineTimer deadline(kStepTimeoutMs);
    while (desktop_->WindowShown(title)) {
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

std::vector<int> PlayTest::Cells(CellShows what) const {
    return CellsShowing(board_.Read(shot_), what);
}

void PlayTest::initTestCase() {
    QVERIFY2(QFileInfo(gamePath_).isExecutable(), qPrintable(gamePath_));
    session_ = std::make_unique<XSession>();
    desktop_ = std::make_unique<Desktop>(*session_);
    const auto failure = session_->Start();
    QVERIFY2(!failure, qPrintable(failure.value_or(QString())));

    // The sanitizers report a leak inside the system's D-Bus library at exit;
    // the game's own leaks still fail the exit check.
    QProcessEnvironment environment;
    environment.insert(
        QStringLiteral("LSAN_OPTIONS"),
        QStringLiteral("suppressions=%1:print_suppressions=0").arg(leakSuppressions_));
    game_ = &session_->Launch(gamePath_, {}, QStringLiteral("e2e-game.log"), environment);
    QVERIFY2(game_->waitForStarted(10000), qPrintable(game_->errorString()));

    const auto window = desktop_->WaitForWindow(QStringLiteral("Zorvik"), kStartTimeoutMs);
    QVERIFY2(window, "no window titled Zorvik came up; see e2e-game.log");
    window_ = *window;
    const auto area = desktop_->Geometry(window_);
    QVERIFY(area);
    windowArea_ = *area;
    QCOMPARE(windowArea_.size(), kMainWindow);
    // Centred on the screen.
    const QPoint offCentre = windowArea_.center() - QRect(QPoint(), kScreen).center();
    QVERIFY2(
        offCentre.manhattanLength() <= 2,
        qPrintable(QStringLiteral("window at %1,%2").arg(windowArea_.x()).arg(windowArea_.y())));
}

// After a failed step the game is in no known state, so the steps after it
// would only report the same fault again.
void PlayTest::init() {
    if (broken_) {
        QSKIP("an earlier step failed");
    }
}

void PlayTest::cleanup() {
    broken_ = broken_ || QTest::currentTestFailed();
}

void PlayTest::cleanupTestCase() {
    desktop_.reset();
    session_.reset();
}

// The game opens on a running one-player game whose red snake sets off along
// row 3 at one cell per tick of the 150 ms timer.
void PlayTest::snakeStartsOnRowThreeAndAdvancesOneCellPerTick() {
    QVERIFY2(SetRunning(false), "the Pause ball never showed the paused game");
    Save("01-start-paused");
    const auto start = RunAlongRow(Cells(CellShows::RedSnake), kRedRow);
    QVERIFY2(start, qPrintable(Describe(Cells(CellShows::RedSnake))));
    QVERIFY(start->length >= kStartLength);
    QVERIFY(Cells(CellShows::GreenSnake).empty());

    // The time it ran is bounded from both sides by when the clicks were sent
    // and when the ball was seen to change.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(SetRunning(true));
    const qint64 seenRunning = clock.elapsed();
    QThread::msleep(10 * kTickMs);
    const qint64 pauseSent = clock.elapsed();
    QVERIFY(SetRunning(false));
    const qint64 seenPaused = clock.elapsed();
    Save("02-advanced");

    const auto later = RunAlongRow(Cells(CellShows::RedSnake), kRedRow);
    QVERIFY2(later, qPrintable(Describe(Cells(CellShows::RedSnake))));
    QVERIFY(later->length >= start->length);
    const int seen = (later->headColumn - start->headColumn + kColumns) % kColumns;
    const auto mostTicks = static_cast<int>(seenPaused / kTickMs);
    const auto fewestTicks =
        std::max<int>(1, static_cast<int>(pauseSent - seenRunning) / kTickMs / 2);
    // A busy machine may delay ticks, never hurry them; and the head may
    // have gone round the board, so any number of laps that fits will do.
    bool fits = false;
    for (int advance = seen; advance <= mostTicks; advance += kColumns) {
        fits = fits || advance >= fewestTicks;
    }
    QVERIFY2(fits, qPrintable(QStringLiteral("the head went from column %1 to %2 in %3 to %4 ticks")
                                  .arg(start->headColumn)
                                  .arg(later->headColumn)
                                  .arg(fewestTicks)
                                  .arg(mostTicks)));
}

// Player 1 steers with the arrow keys: Down turns the snake off its row.
void PlayTest::arrowKeyTurnsTheSnakeDown() {
    QVERIFY(SetRunning(false));
    const auto before = RunAlongRow(Cells(CellShows::RedSnake), kRedRow);
    QVERIFY2(before, qPrintable(Describe(Cells(CellShows::RedSnake))));

    QVERIFY(SetRunning(true));
    QVERIFY2(desktop_->Activate(window_), "the game window does not take the keyboard");
    QVERIFY(desktop_->Key(QStringLiteral("Down")));
    const bool leftTheRow = WaitUntil([this](const QImage&) {
        const auto red = Cells(CellShows::RedSnake);
        return !red.empty() && red.back() / kColumns > kRedRow;
    });
    QVERIFY(SetRunning(false));
    Save("03-turned");
    QVERIFY2(leftTheRow, "the snake never left row 3 after Down");

    const auto red = Cells(CellShows::RedSnake);
    const auto headRow = HeadRowAfterTurningDown(red, kRedRow);
    QVERIFY2(headRow, qPrintable(Describe(red)));
    QVERIFY(static_cast<int>(red.size()) >= before->length);
}

// Setup's player picture makes it a two-player game, Yes restarts it, and
// both snakes set off from their rows in step.
void PlayTest::setupStartsATwoPlayerGame() {
    QVERIFY(ClickMain(kSetupWord));
    const auto settings = desktop_->WaitForWindow(QStringLiteral("SETTINGS"), kStepTimeoutMs);
    QVERIFY2(settings, "Setup opened no settings window");
    const auto area = desktop_->Geometry(*settings);
    QVERIFY(area);
    QCOMPARE(area->size(), kSettingsWindow);

    const QImage twoPlayers = Resource(":/settings/two-player.png");
    QVERIFY(desktop_->Click(*settings, kPlayerPicture.center()));
    const QDeadlineTimer deadline(kStepTimeoutMs);
    while (!ShowsPicture(desktop_->Grab(*area), kPlayerPicture.topLeft(), twoPlayers)) {
        QVERIFY2(!deadline.hasExpired(), "the player picture never showed two players");
    }
    QVERIFY(desktop_->Click(*settings, kYesButton.center()));
    QVERIFY2(WaitWhileShown(QStringLiteral("SETTINGS")), "Yes did not close the settings window");

    // Until the first tick the old game's pictures may still be on the board;
    // the snakes are judged once the game is paused again.
    QVERIFY(SetRunning(true));
    const auto bothOnTheirRows = [this](const QImage&) {
        return RunAlongRow(Cells(CellShows::RedSnake), kRedRow) &&
               RunAlongRow(Cells(CellShows::GreenSnake), kGreenRow);
    };
    WaitUntil(bothOnTheirRows);
    QVERIFY(SetRunning(false));
    Save("04-two-players");

    const auto red = RunAlongRow(Cells(CellShows::RedSnake), kRedRow);
    const auto green = RunAlongRow(Cells(CellShows::GreenSnake), kGreenRow);
    QVERIFY2(red, qPrintable(Describe(Cells(CellShows::RedSnake))));
    QVERIFY2(green, qPrintable(Describe(Cells(CellShows::GreenSnake))));
    QVERIFY(red->length >= kStartLength && green->length >= kStartLength);
    QCOMPARE(red->headColumn, green->headColumn);
}

// A name typed in the names dialog replaces "Player1" on the panel, drawn
// whole and centred in the name face.
void PlayTest::typedNameReplacesTheNameOnThePanel() {
    // Far wider than "Player1", so that the width tells the names apart.
    const QString name = QStringLiteral("Wanda Lee");
    QVERIFY(SetRunning(false));
    const QImage before = shot_.copy(kPlayer1Name);
    const auto oldInk = InkBounds(shot_, kPlayer1Name);
    QVERIFY2(oldInk, "no name on player 1's panel");
    QVERIFY2(std::abs(oldInk->width() - InkWidthOf(QStringLiteral("Player1"))) <=
                 kInkWidthTolerance,
             qPrintable(QStringLiteral("Player1 is %1 pixels wide on the panel, %2 expected")
                            .arg(oldInk->width())
                            .arg(InkWidthOf(QStringLiteral("Player1")))));

    QVERIFY(ClickMain(kPlayer1Name));
    const auto dialog = desktop_->WaitForWindow(QStringLiteral("Form1"), kStepTimeoutMs);
    QVERIFY2(dialog, "a click on the name opened no names dialog");
    const auto area = desktop_->Geometry(*dialog);
    QVERIFY(area);
    QCOMPARE(area->size(), kNamesDialog);
    QVERIFY(desktop_->Click(*dialog, kText1.center()));
    QVERIFY2(desktop_->Activate(*dialog), "the names dialog does not take the keyboard");
    QVERIFY(desktop_->Key(QStringLiteral("ctrl+a")));
    QVERIFY(desktop_->Type(name));
    QVERIFY(desktop_->Click(*dialog, kContinueWord.center()));
    QVERIFY2(WaitWhileShown(QStringLiteral("Form1")), "Continue did not close the names dialog");

    const bool changed = WaitUntil([&](const QImage& w) { return w.copy(kPlayer1Name) != before; });
    Save("05-named");
    QVERIFY2(changed, "player 1's name on the panel did not change");
    const auto ink = InkBounds(shot_, kPlayer1Name);
    QVERIFY2(ink, "the new name left no ink on the panel");
    QVERIFY2(std::abs(ink->width() - InkWidthOf(name)) <= kInkWidthTolerance,
             qPrintable(QStringLiteral("%1 is %2 pixels wide on the panel, %3 expected")
                            .arg(name)
                            .arg(ink->width())
                            .arg(InkWidthOf(name))));
    QVERIFY2(std::abs(ink->center().x() - kPlayer1Name.center().x()) <= kInkWidthTolerance,
             "the new name is not centred on the panel");
}

// The exit ball ends the program at once, cleanly.
void PlayTest::exitBallEndsTheGame() {
    QVERIFY(ClickMain(kExitBall));
    QVERIFY2(game_->waitForFinished(kStepTimeoutMs), "the game still runs after the exit ball");
    QCOMPARE(game_->exitStatus(), QProcess::NormalExit);
    QVERIFY2(game_->exitCode() == 0, "the game failed at exit; see e2e-game.log");
    QVERIFY(!desktop_->WindowShown(QStringLiteral("Zorvik")));
}

int main(int argc, char* argv[]) {
    // The test measures text off-screen; the game it starts gets the X server.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        qCritical("usage: %s <zorvik executable> <leak suppressions file> [Qt Test options]",
                  argv[0]);
        return 2;
    }
    QString game = arguments.takeAt(1);
    QString leakSuppressions = arguments.takeAt(1);
    PlayTest test(std::move(game), std::move(leakSuppressions));
    return QTest::qExec(&test, arguments);
}

#include "play_test.moc"
