// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Plays the real game on a private X server as a player would, with the mouse
// and the keyboard, reading everything back from the screen. The environment
// names the game (ZORVIK_GAME) and its leak suppressions (ZORVIK_LSAN_SUPPRESSIONS).
#include "screen_difference.h"
#include "ui/fonts.h"
#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/settings_layout.h"
#include "widgets/smooth_outline.h"
#include "widgets/window_outlines.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <optional>
#include <ranges>
#include <sys/prctl.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using zorvik::testkit::Difference;

// What a tool printed, or nothing if it failed.
using Output = std::optional<QByteArray>;

namespace main_window = zorvik::layout::mainwindow;
namespace names_dialog = zorvik::layout::names;
namespace settings_window = zorvik::layout::settings;

constexpr int kTickMs = 150;
// Room for the main window at twice the scale.
constexpr QSize kScreen{1920, 1200};
constexpr int kColumns = 30;
constexpr int kRedRow = 3;
constexpr QPoint kPauseBall = main_window::kPauseButton.topLeft();
constexpr QRect kPlayer1Name = main_window::kPlayer1Name;

// Polls until `done` holds, long enough for a sanitizer build on a busy
// machine.
template <typename Done> bool Wait(Done done) {
    return QTest::qWaitFor(done, 15000);
}

// Whether `shot` shows the opaque pixels of `picture` at `at`. The screen
// shows pictures unscaled at 24 bits, so only a stray pixel may differ.
bool Shows(const QImage& shot, QPoint at, const QImage& picture) {
    int opaque = 0;
    int differ = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb want = picture.pixel(x, y);
            opaque += qAlpha(want) == 255;
            differ += qAlpha(want) == 255 && want != shot.pixel(at + QPoint(x, y));
        }
    }
    return opaque > 0 && differ * 20 <= opaque;
}

// The board cells, in increasing order, that show `picture`.
std::vector<int> Cells(const QImage& shot, const QImage& picture) {
    std::vector<int> cells;
    for (int cell = 0; cell < kColumns * kColumns; ++cell) {
        const QPoint corner(cell % kColumns * main_window::kCellSize,
                            cell / kColumns * main_window::kCellSize);
        if (Shows(shot, main_window::kBoard.topLeft() + corner, picture)) {
            cells.push_back(cell);
        }
    }
    return cells;
}

// The head of a snake in `colour`, at least 6 long, that ran right along
// `row` (wrapping at the edge) and maybe then turned down; -1 if none.
int HeadOf(const QImage& shot, const QImage& colour, int row) {
    const std::vector<int> cells = Cells(shot, colour);
    const auto on = [&](int cell) { return std::ranges::count(cells, cell) > 0; };
    const auto ahead = [&](int cell) {
        const int right = cell / kColumns * kColumns + (cell + 1) % kColumns;
        return cell / kColumns == row && on(right) ? right : cell + kColumns;
    };
    // From the tail, the one cell that none leads to, to the head.
    const auto tail = std::ranges::find_if(cells, [&](int cell) {
        return std::ranges::none_of(cells, [&](int other) { return ahead(other) == cell; });
    });
    int head = tail == cells.end() ? -1 : *tail;
    std::size_t walked = 1;
    for (; on(ahead(head)) && walked < cells.size(); ++walked) {
        head = ahead(head);
    }
    return walked == cells.size() && walked >= 6 ? head : -1;
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT
public:
    // Newest first and politely, so that Xvfb outlives its clients and removes
    // its lock file; each QProcess kills whatever outlasts that.
    ~PlayTest() override {
        for (QProcess* process : findChildren<QProcess*>() | std::views::reverse) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

private slots:
    void initTestCase() {
        env_.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        env_.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir_.path());
        // The sanitizers report a leak inside the system's D-Bus library at
        // exit; the game's own leaks still fail the exit check.
        env_.insert(u"LSAN_OPTIONS"_s, u"suppressions=%1:print_suppressions=0"_s.arg(
                                           env_.value(u"ZORVIK_LSAN_SUPPRESSIONS"_s)));
        // Xvfb prints its display number once it takes connections, and
        // exits instead when another server has the number.
        for (int display = 150; display < 200 && !env_.contains(u"DISPLAY"_s); ++display) {
            QProcess& xvfb = Launch(u"Xvfb :%1 -screen 0 %2x%3x24 -displayfd 1"_s.arg(display)
                                        .arg(kScreen.width())
                                        .arg(kScreen.height()),
                                    u"e2e-xvfb.log"_s);
            if (xvfb.waitForReadyRead(15000) && xvfb.readLine().toInt() == display) {
                env_.insert(u"DISPLAY"_s, u":%1"_s.arg(display));
            }
        }
        QVERIFY2(env_.contains(u"DISPLAY"_s), "Xvfb took no display from :150 to :199");
        Launch(u"openbox"_s, u"e2e-openbox.log"_s);
        // The window manager is in charge once it answers for the desktops.
        QVERIFY2(Wait([&] { return Xdo(u"get_num_desktops"_s).has_value(); }), "openbox is not up");
        game_ = &Launch(u"\"%1\""_s.arg(env_.value(u"ZORVIK_GAME"_s)), u"e2e-game.log"_s);
        QVERIFY2(game_->waitForStarted(), qPrintable(game_->errorString()));
        window_ = Window(u"Zorvik"_s, 90000);
        QVERIFY2(!window_.isEmpty() && Look(), "no 801x551 window titled Zorvik; see e2e-game.log");
    }
    // A first game from start to exit, as every player plays it: the board,
    // the keys, Setup, the names and the exit ball must work together.
    void playsAGameWithTheMouseAndTheKeyboard() {
        // The game opens running, its red snake setting off along row 3.
        QVERIFY2(SetRunning(false), "the Pause ball never showed the paused game");
        Save("01-start-paused");
        const int start = HeadOf(shot_, red_, kRedRow);
        QVERIFY2(start / kColumns == kRedRow && Cells(shot_, green_).empty(), "no lone red snake");

        // One cell per tick: at least half the ticks slept, as a busy machine
        // may delay them, never hurry them; the head may go round the board.
        QElapsedTimer clock;
        clock.start();
        QVERIFY(SetRunning(true));
        QTest::qSleep(10 * kTickMs);
        QVERIFY(SetRunning(false));
        const auto most = static_cast<int>(clock.elapsed() / kTickMs);
        Save("02-advanced");
        const int later = HeadOf(shot_, red_, kRedRow);
        const int advance = (later - start + kColumns) % kColumns;
        const bool fits =
            later / kColumns == kRedRow && (advance < 5 ? advance + kColumns : advance) <= most;
        QVERIFY2(fits, qPrintable(QString::asprintf("head from cell %d to %d in %d ticks", start,
                                                    later, most)));

        // Player 1 steers with the arrow keys: Down turns the snake off its row.
        QVERIFY(SetRunning(true));
        QVERIFY2(Xdo(u"windowactivate --sync "_s + window_), "the game took no keyboard focus");
        QVERIFY(Xdo(u"key --clearmodifiers Down"_s));
        const bool turned =
            Wait([this] { return Look() && HeadOf(shot_, red_, kRedRow) / kColumns > kRedRow; });
        QVERIFY(SetRunning(false));
        Save("03-turned");
        QVERIFY2(turned, "the snake did not turn down after Down");

        // Setup's player picture makes it a two-player game, and Yes restarts
        // it with both snakes setting off from their rows in step.
        QVERIFY(Click(window_, main_window::kSetupWord.center()));
        const QString settings = Window(u"SETTINGS"_s);
        QVERIFY2(!settings.isEmpty(), "Setup opened no settings window");
        // The player picture: one player, then two.
        QVERIFY(Click(settings, settings_window::kPlayersPicture.center()));
        QVERIFY(Click(settings, settings_window::kYesButton.center()));
        QVERIFY2(Closed(u"SETTINGS"_s), "Yes did not close the settings window");
        QVERIFY(SetRunning(true));
        const bool both = Wait([this] {
            const int red = Look() ? HeadOf(shot_, red_, kRedRow) : -1;
            return red / kColumns == kRedRow && HeadOf(shot_, green_, 5) == red + 2 * kColumns;
        });
        QVERIFY(SetRunning(false));
        Save("04-two-players");
        QVERIFY2(both, "no red snake on row 3 beside a green one on row 5");

        // A name typed in the names dialog replaces "Player1" on the panel,
        // whole and centred in the name face; far wider, so that the width
        // tells the names apart.
        const QString name = u"Wanda Lee"_s;
        QVERIFY(Click(window_, kPlayer1Name.center()));
        const QString dialog = Window(u"Form1"_s);
        QVERIFY2(!dialog.isEmpty(), "a click on the name opened no names dialog");
        QVERIFY(Click(dialog, names_dialog::kPlayer1NameBox.center()));
        QVERIFY2(Xdo(u"windowactivate --sync "_s + dialog), "the dialog took no keyboard focus");
        QVERIFY(Xdo(u"key --clearmodifiers ctrl+a"_s));
        QVERIFY(Xdo(u"type --delay 40 \"%1\""_s.arg(name)));
        QVERIFY(Click(dialog, names_dialog::kContinueButton.center()));
        QVERIFY2(Closed(u"Form1"_s), "Continue did not close the names dialog");
        // Its ink, give or take the anti-aliased edges.
        QRect want = QFontMetrics(zorvik::DisplayFont(14.25)).tightBoundingRect(name);
        want.moveCenter(kPlayer1Name.center());
        QRect ink;
        const bool named = Wait([&] {
            ink = QRect();
            const bool looked = Look();
            for (int y = kPlayer1Name.top(); looked && y <= kPlayer1Name.bottom(); ++y) {
                for (int x = kPlayer1Name.left(); x <= kPlayer1Name.right(); ++x) {
                    ink |= qGray(shot_.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
                }
            }
            return qAbs(ink.left() - want.left()) <= 3 && qAbs(ink.right() - want.right()) <= 3;
        });
        Save("05-named");
        QVERIFY2(named,
                 qPrintable(QString::asprintf("the name's ink spans x %d to %d, not %d to %d",
                                              ink.left(), ink.right(), want.left(), want.right())));

        // The exit ball ends the program at once, and cleanly.
        QVERIFY(Click(window_, main_window::kExitButton.center()));
        QVERIFY2(game_->waitForFinished(15000), "the game still runs after the exit ball");
        QVERIFY2(game_->exitStatus() == QProcess::NormalExit && game_->exitCode() == 0,
                 "the game failed at exit; see e2e-game.log");
    }

    // At twice the scale (a 200 % desktop) the main window is twice as large
    // in device pixels, its corners are cut at the device resolution along
    // the smooth outline, not as the 1x staircase doubled, and its pictures
    // are painted for that resolution, not 1x pixels doubled. Help opens
    // with its frame centred on the screen.
    void sharpRoundAndCentredAtTwiceTheScale() {
        const QImage desktop = Root();
        QProcess& game = Launch(u"\"%1\""_s.arg(env_.value(u"ZORVIK_GAME"_s)), u"e2e-game-2x.log"_s,
                                {{u"QT_SCALE_FACTOR"_s, u"2"_s}});
        QVERIFY2(game.waitForStarted(), qPrintable(game.errorString()));
        window_ = Window(u"Zorvik"_s, 90000);
        const QRect placed = Geometry(window_);
        QCOMPARE(placed.size(), QSize(1602, 1102));
        QVERIFY(Wait([&] { return Look(placed.size()); }));
        QVERIFY(SetRunning(false, 2));
        const QImage shot = Root();
        Save("06-twice-the-scale");

        const QRegion outline = zorvik::OutlineAtRatio(zorvik::MainWindowOutline(), 2);
        int wrong = 0;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(1542, 0), QPoint(0, 1042), QPoint(1542, 1042)}) {
            for (int y = corner.y(); y < corner.y() + 60; ++y) {
                for (int x = corner.x(); x < corner.x() + 60; ++x) {
                    const QPoint at = placed.topLeft() + QPoint(x, y);
                    const bool behind = shot.pixel(at) == desktop.pixel(at);
                    wrong += behind == outline.contains(QPoint(x, y));
                }
            }
        }
        QCOMPARE(wrong, 0);

        // The round buttons: 1x pixels doubled would fill every 2 x 2 block
        // with one colour.
        const QRect buttons = QRect(main_window::kPauseButton.topLeft() * 2,
                                    main_window::kExitButton.bottomRight() * 2)
                                  .translated(placed.topLeft());
        int blocks = 0;
        int mixed = 0;
        for (int y = buttons.top(); y < buttons.bottom(); y += 2) {
            for (int x = buttons.left(); x < buttons.right(); x += 2) {
                const QRgb first = shot.pixel(x, y);
                ++blocks;
                mixed += shot.pixel(x + 1, y) != first || shot.pixel(x, y + 1) != first ||
                         shot.pixel(x + 1, y + 1) != first;
            }
        }
        QVERIFY2(mixed * 4 > blocks, qPrintable(u"%1 of %2 blocks"_s.arg(mixed).arg(blocks)));

        QVERIFY(Click(window_, main_window::kHelpButton.center() * 2));
        const QString help = Window(u"Help"_s);
        QVERIFY2(!help.isEmpty(), "the help ball opened no help window");
        const QRect frame =
            Wait([&] { return Root() != shot; }) ? Difference(shot, Root()) : QRect();
        shot_ = Root();
        Save("07-help");
        const QPoint offCentre = frame.center() - QRect(QPoint(), kScreen).center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(u"the help frame lies %1, %2 off the centre"_s.arg(offCentre.x())
                                .arg(offCentre.y())));
        QVERIFY(Xdo(u"windowactivate --sync %1 key --clearmodifiers alt+F4"_s.arg(help)));
        QVERIFY2(Closed(u"Help"_s), "the help window did not close");
        QVERIFY(Click(window_, main_window::kExitButton.center() * 2));
        QVERIFY2(game.waitForFinished(15000), "the game still runs after the exit ball");
    }

private:
    // Starts `command` on the test's display, its errors into `log`. Should
    // the test die before it can clean up, what it started goes with it.
    QProcess& Start(QProcess& process, const QString& command, const QString& log = {},
                    const QList<std::pair<QString, QString>>& extraEnv = {}) {
        QStringList arguments = QProcess::splitCommand(command);
        QProcessEnvironment env = env_;
        for (const auto& [name, value] : extraEnv) {
            env.insert(name, value);
        }
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(log);
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process.start(arguments.takeFirst(), arguments);
        return process;
    }
    QProcess& Launch(const QString& command, const QString& log,
                     const QList<std::pair<QString, QString>>& extraEnv = {}) {
        return Start(*new QProcess(this), command, log, extraEnv);
    }
    // Runs a tool: its output, or nothing if it failed or outlasted the
    // timeout (and was killed).
    Output Run(const QString& command, int timeoutMs = 10000) {
        QProcess process;
        const bool ok = Start(process, command).waitForFinished(timeoutMs) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return ok ? Output(process.readAllStandardOutput()) : std::nullopt;
    }
    Output Xdo(const QString& args, int ms = 10000) { return Run(u"xdotool "_s + args, ms); }
    Output Click(const QString& window, QPoint at) {
        // No --sync: it waits for ever when the pointer is already there.
        return Xdo(u"mousemove --window %1 %2 %3 click 1"_s.arg(window).arg(at.x()).arg(at.y()));
    }
    // The visible window titled `title`: toolkits keep hidden ones by the
    // same name.
    QString Window(const QString& title, int timeoutMs = 15000) {
        const auto found = Xdo(u"search --sync --onlyvisible --name ^%1$"_s.arg(title), timeoutMs);
        return QString::fromLatin1(found.value_or("")).section(u'\n', 0, 0);
    }
    bool Closed(const QString& title) {
        return Wait([&] { return !Xdo(u"search --onlyvisible --name ^%1$"_s.arg(title)); });
    }
    // Takes a picture of the main window into shot_.
    bool Look(QSize size = main_window::kClientArea) {
        const auto ppm = Run(u"import -silent -window %1 -depth 8 ppm:-"_s.arg(window_));
        shot_ = QImage::fromData(ppm.value_or(""), "PPM");
        return shot_.size() == size;
    }
    // A picture of the whole screen.
    QImage Root() {
        const auto ppm = Run(u"import -silent -window root -depth 8 ppm:-"_s);
        return QImage::fromData(ppm.value_or(""), "PPM");
    }
    // Where a window lies on the screen, without its frame.
    QRect Geometry(const QString& window) {
        const QString shell =
            QString::fromLatin1(Xdo(u"getwindowgeometry --shell %1"_s.arg(window)).value_or(""));
        QMap<QString, int> values;
        for (const QString& line : shell.split(u'\n', Qt::SkipEmptyParts)) {
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
        }
        return {values[u"X"_s], values[u"Y"_s], values[u"WIDTH"_s], values[u"HEIGHT"_s]};
    }
    // Pictures go into the working directory, to look at when a step fails.
    void Save(const char* step) const { shot_.save(u"e2e-%1.png"_s.arg(QLatin1String(step))); }

    // Clicks the Pause ball if need be, until it shows the game running or
    // paused; at twice the scale its pictures are their @2x twins.
    bool SetRunning(bool running, int scale = 1) {
        const auto picture = [&](const QImage& once, const QImage& twice) {
            return scale == 1 ? once : twice;
        };
        const auto shows = [&](bool on) {
            return Shows(shot_, kPauseBall * scale,
                         on ? picture(pause_, pause2x_) : picture(play_, play2x_));
        };
        const QSize size = main_window::kClientArea * scale;
        if (Wait([&] { return Look(size) && (shows(true) || shows(false)); }) && shows(!running)) {
            Click(window_, main_window::kPauseButton.center() * scale);
        }
        return Wait([&] { return Look(size) && shows(running); });
    }

    QTemporaryDir runtimeDir_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QProcess* game_ = nullptr;
    QString window_;
    QImage shot_;
    const QImage pause_{u":/main/pause.png"_s};
    const QImage play_{u":/main/play.png"_s};
    const QImage pause2x_{u":/main/pause@2x.png"_s};
    const QImage play2x_{u":/main/play@2x.png"_s};
    const QImage red_{u":/cells/snake-red.png"_s};
    const QImage green_{u":/cells/snake-green.png"_s};
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
