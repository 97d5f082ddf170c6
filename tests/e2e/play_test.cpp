// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// Plays the real game on a private X server as a player would, with the mouse
// and the keyboard, reading everything back from the screen. The environment
// names the game (ZORVIK_GAME).
#include "session.h"
#include "ui/fonts.h"
#include "widgets/main_window_layout.h"
#include "widgets/names_layout.h"
#include "widgets/smooth_outline.h"
#include "widgets/window_outlines.h"

#include <QDir>
#include <QFontMetrics>
#include <vector>

using namespace Qt::StringLiterals;
using namespace zorvik::testkit;
namespace main_window = zorvik::layout::mainwindow;

namespace {

constexpr int kColumns = 30;
constexpr int kRedRow = 3;
constexpr QPoint kPauseBall = main_window::kPauseButton.topLeft();
constexpr QRect kPlayer1Name = main_window::kPlayer1Name;

// Whether `shot` shows the opaque pixels of `picture` at `at`, but for a
// stray pixel: the screen shows pictures unscaled at 24 bits.
bool Shows(const QImage& shot, QPoint at, const QImage& picture) {
    int differ = 0;
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        const QPoint p(i % picture.width(), i / picture.width());
        differ += qAlpha(picture.pixel(p)) == 255 && picture.pixel(p) != shot.pixel(at + p);
    }
    return !picture.isNull() && differ * 20 <= picture.width() * picture.height();
}

// The board cells, in increasing order, that show `picture`.
std::vector<int> Cells(const QImage& shot, const QImage& picture) {
    std::vector<int> cells;
    for (int cell = 0; cell < kColumns * kColumns; ++cell) {
        const QPoint corner(cell % kColumns, cell / kColumns);
        if (Shows(shot, main_window::kBoard.topLeft() + corner * main_window::kCellSize, picture)) {
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

class PlayTest : public Session {
    Q_OBJECT
private slots:
    void initTestCase() { StartDesktop(u"e2e"_s); }

    // A first game from start to exit, as every player plays it: the board,
    // the keys, the names, the help and the exit ball must work together.
    void playsAGameWithTheMouseAndTheKeyboard() {
        QVERIFY2(Open(1), "no 801x551 window titled Zorvik; see e2e-game-1x.log");
        QVERIFY2(HasGameIcon(main_), "the main window lacks the game's icon");
        // The game opens running, its red snake alone setting off along row 3;
        // it advances, and Down turns it off its row.
        int head = -1;
        const auto redRow = [&] {
            return (head = Look() ? HeadOf(shot_, red_, kRedRow) : -1) / kColumns;
        };
        QVERIFY2(Wait([&] { return redRow() == kRedRow && BallShows(true); }) &&
                     Cells(shot_, green_).empty(),
                 "the game did not open running a lone red snake on row 3");
        const int start = head;
        QVERIFY2(Wait([&] { return redRow() == kRedRow && head != start; }),
                 "the snake did not advance");
        QVERIFY(Key(u"Down"_s));
        // Moving down: a snake going up looks the same in a single picture.
        QVERIFY2(Wait([&] {
                     const int before = head;
                     return redRow() > kRedRow && head > before && before >= 0;
                 }),
                 "no turn down after Down");
        QVERIFY(Pause());

        // A name typed in the names dialog replaces "Player1" on the panel,
        // whole and centred in the name face.
        const QString name = u"Wanda Lee"_s;
        QVERIFY(Click(main_, kPlayer1Name.center()));
        const QString dialog = Window(u"Form1"_s);
        QVERIFY2(HasGameIcon(dialog), "the names dialog lacks the game's icon");
        QVERIFY(Click(dialog, zorvik::layout::names::kPlayer1NameBox.center()));
        QVERIFY(Key(u"ctrl+a type --delay 40 \"%1\""_s.arg(name), dialog));
        QVERIFY(Click(dialog, zorvik::layout::names::kContinueButton.center()));
        QRect want = QFontMetrics(zorvik::DisplayFont(14.25)).tightBoundingRect(name);
        want.moveCenter(kPlayer1Name.center());
        QRect ink;
        const bool named = Wait([&] {
            ink = QRect();
            const bool looked = Look();
            for (int i = 0; looked && i < kPlayer1Name.width() * kPlayer1Name.height(); ++i) {
                const int width = kPlayer1Name.width();
                const QPoint at = kPlayer1Name.topLeft() + QPoint(i % width, i / width);
                ink |= qGray(shot_.pixel(at)) < 128 ? QRect(at, QSize(1, 1)) : QRect();
            }
            // Give or take the anti-aliased edges.
            return qAbs(ink.left() - want.left()) <= 3 && qAbs(ink.right() - want.right()) <= 3;
        });
        QVERIFY2(named,
                 qPrintable(u"the name's ink spans x %1 to %2"_s.arg(ink.left()).arg(ink.right())));

        // The Pause key works the pause ball, and F1 opens the help, taking the
        // pause step as its ball does: the keys that the players' keys must
        // leave alone, the widget tests try one by one.
        QVERIFY(Key(u"Pause"_s));
        QVERIFY2(Wait([&] { return Running(true); }), "Pause did not resume the game");
        QVERIFY(Key(u"F1"_s));
        const QString help = Window(u"Help"_s);
        QVERIFY2(!help.isEmpty() && HasGameIcon(help), "F1 opened no help with the game's icon");
        QVERIFY(Key(u"Escape"_s, help));
        QVERIFY2(Wait([&] { return Running(false); }), "the help left the game running");

        QVERIFY(Click(main_, main_window::kExitButton.center()));
        QVERIFY2(game_->waitForFinished(15000) && game_->exitStatus() == QProcess::NormalExit &&
                     game_->exitCode() == 0,
                 "the exit ball did not end the game cleanly; see e2e-game-1x.log");
    }

    // At twice the scale the main window is twice as large in device pixels,
    // shows its pictures' @2x twins, not 1x pixels doubled, and its corners
    // are cut along the smooth outline at the device resolution, not as the
    // 1x staircase doubled. Help opens with its frame centred on the screen.
    void sharpRoundAndCentredAtTwiceTheScale() {
        const QImage desktop = Grab(u"root"_s);
        QVERIFY2(Open(2), "no 1602x1102 window titled Zorvik; see e2e-game-2x.log");
        QVERIFY2(Pause(2), "the Pause ball shows no @2x picture");
        const QImage shot = Grab(u"root"_s);
        shot.save(u"e2e-4-twice-the-scale.png"_s);
        const QPoint placed = Position(main_).value_or(QPoint());
        const QRegion outline = zorvik::OutlineAtRatio(zorvik::MainWindowOutline(), 2);
        int wrong = 0;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(1542, 0), QPoint(0, 1042), QPoint(1542, 1042)}) {
            for (int i = 0; i < 60 * 60; ++i) {
                const QPoint at = corner + QPoint(i % 60, i / 60);
                wrong +=
                    (shot.pixel(placed + at) == desktop.pixel(placed + at)) == outline.contains(at);
            }
        }
        QCOMPARE(wrong, 0);

        QVERIFY(Click(main_, main_window::kHelpButton.center() * 2));
        QRect frame;
        const bool centred = Wait([&] {
            frame = Difference(shot, Grab(u"root"_s));
            return (frame.center() - QRect(0, 0, 1920, 1200).center()).manhattanLength() <= 2;
        });
        QVERIFY2(centred, "the help frame is not centred on the screen");
    }

private:
    // Types the xdotool key names, and any xdotool command after them, into
    // `window`, the main window if none.
    bool Key(const QString& keys, const QString& window = {}) {
        return Run(u"xdotool windowactivate --sync %1 key --clearmodifiers %2"_s.arg(
                       window.isEmpty() ? main_ : window, keys))
            .has_value();
    }
    // Whether the pause ball in the last picture shows the game running (its
    // pause picture) or paused; at twice the scale, the pictures' @2x twins.
    bool BallShows(bool running, int scale = 1) {
        return Shows(shot_, kPauseBall * scale, (running ? pause_ : play_)[scale - 1]);
    }
    bool Running(bool running) { return Look() && BallShows(running); }
    // Whether the window manager finds the game's icon on the window: every
    // picture of it up to 128 pixels, each at its size and with its pixels,
    // and nothing else.
    bool HasGameIcon(const QString& window) {
        // "_NET_WM_ICON = 16, 16, 4278190080, ...": width, height, pixels.
        const QByteArray text =
            Run(u"xprop -len 100000000 -notype -id %1 32c _NET_WM_ICON"_s.arg(window)).value_or("");
        const QString listed =
            u", "_s + QString::fromLatin1(text.mid(text.indexOf('=') + 1)).simplified() + u","_s;
        const QDir icons(u":/icons"_s);
        qsizetype numbers = 0;
        for (const QString& name :
             icons.entryList({u"icon-16.*"_s, u"icon-2?.*"_s, u"icon-32.*"_s, u"icon-48.*"_s,
                              u"icon-64.*"_s, u"icon-128.*"_s},
                             QDir::Files)) {
            const QImage icon = QImage(icons.filePath(name)).convertToFormat(QImage::Format_ARGB32);
            QStringList picture{QString::number(icon.width()), QString::number(icon.height())};
            for (int i = 0; i < icon.width() * icon.height(); ++i) {
                picture << QString::number(icon.pixel(i % icon.width(), i / icon.width()));
            }
            numbers += picture.size();
            if (!listed.contains(u", "_s + picture.join(u", "_s) + u","_s)) {
                return false;
            }
        }
        return numbers > 0 && listed.count(u',') == numbers + 1;
    }
    QImage Grab(const QString& window) {
        const auto ppm = Run(u"import -silent -window %1 -depth 8 ppm:-"_s.arg(window));
        return QImage::fromData(ppm.value_or(""), "PPM");
    }
    // Takes a picture of the main window into shot_.
    bool Look(QSize size = main_window::kClientArea) {
        shot_ = Grab(main_);
        return shot_.size() == size;
    }
    // Starts the game and waits for its main window at `scale`.
    bool Open(int scale) {
        return OpenGame(u"e2e"_s, scale) &&
               Wait([&] { return Look(main_window::kClientArea * scale); });
    }
    // Clicks the Pause ball if need be, until it shows the game paused.
    bool Pause(int scale = 1) {
        const QSize size = main_window::kClientArea * scale;
        const auto shows = [&](bool running) { return BallShows(running, scale); };
        if (Wait([&] { return Look(size) && (shows(true) || shows(false)); }) && shows(true)) {
            Click(main_, main_window::kPauseButton.center() * scale);
        }
        return Wait([&] { return Look(size) && shows(false); });
    }

    QImage shot_;
    const QImage pause_[2] = {QImage(u":/main/pause.png"_s), QImage(u":/main/pause@2x.png"_s)};
    const QImage play_[2] = {QImage(u":/main/play.png"_s), QImage(u":/main/play@2x.png"_s)};
    const QImage red_{u":/cells/snake-red.png"_s};
    const QImage green_{u":/cells/snake-green.png"_s};
};

QTEST_MAIN(PlayTest)
#include "play_test.moc"
