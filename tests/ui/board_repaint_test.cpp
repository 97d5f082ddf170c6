// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "settings/settings_window.h"
#include "ui/board_view.h"
#include "widgets/main_window_layout.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <random>

using namespace zorvik;
using namespace zorvik::testkit;
using layout::mainwindow::kCellSize;

namespace {

constexpr QSize kBoardSize = layout::mainwindow::kBoard.size();

QRect CellRect(int cell) {
    return {cell % kColumns * kCellSize, cell / kColumns * kCellSize, kCellSize, kCellSize};
}

// The number of cells a region covers.
int Area(const QRegion& region) {
    int pixels = 0;
    for (const QRect& rect : region) {
        pixels += rect.width() * rect.height();
    }
    return pixels / (kCellSize * kCellSize);
}

// Collects the regions the board is asked to paint, in its own coordinates.
class PaintedRegions : public QObject {
public:
    explicit PaintedRegions(QWidget& board) { board.installEventFilter(this); }
    QRegion Take() { return std::exchange(painted_, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QRegion painted_;
};

} // namespace

class BoardRepaintTest : public QObject {
    Q_OBJECT
    std::optional<OpenedGame> main;
    BoardView* board = nullptr;
    QTimer* timer = nullptr;
    std::optional<PaintedRegions> painted;

    // What a full repaint of the game shows on the board: the main window's
    // background with every cell's picture at its natural size on top.
    QImage FullRepaint() const {
        QImage image = EmbeddedPicture(QStringLiteral(":/main/background.png"))
                           .toImage()
                           .copy(QRect(board->pos(), kBoardSize))
                           .convertToFormat(QImage::Format_RGB32);
        QPainter painter(&image);
        for (int c = 0; c < kCells; ++c) {
            painter.drawPixmap(CellRect(c).topLeft(),
                               main->book.Pixmap(main->game.cellPictures()[c]));
        }
        return image;
    }

    // What the window's backing store holds where the board lies, after
    // every pending repaint.
    QImage Screen() const {
        QCoreApplication::processEvents();
        return QGuiApplication::primaryScreen()
            ->grabWindow(main->table.winId(), board->x(), board->y(), kBoardSize.width(),
                         kBoardSize.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The cells whose picture in the game is no longer the one given.
    QRegion Changed(const std::array<Picture, kCells>& before) const {
        QRegion changed;
        for (int c = 0; c < kCells; ++c) {
            if (main->game.cellPictures()[c] != before[c]) {
                changed += CellRect(c);
            }
        }
        return changed;
    }

    // One tick of the game timer, as the main window takes it; an end screen
    // is dismissed at once. Only the test ticks: the timer stays off. Returns
    // whether the game ended in this tick.
    bool Tick() {
        const bool ended =
            WhileModal([this] { QMetaObject::invokeMethod(timer, "timeout"); }, [](QWidget&) {})
                .has_value();
        main->table.SetTimerEnabled(false);
        return ended;
    }

    // A random action of the players between two ticks.
    void Act(std::mt19937& random) {
        SettingsWindow& settings = main->table.settings();
        const auto pick = [&random](auto&& options) {
            return options[std::uniform_int_distribution<std::size_t>(0, std::size(options) -
                                                                             1)(random)];
        };
        const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Up,      Qt::Key_Right, Qt::Key_Down,
                                Qt::Key_A,    Qt::Key_W,       Qt::Key_D,     Qt::Key_S,
                                Qt::Key_Tab,  Qt::Key_Control, Qt::Key_Left,  Qt::Key_W};
        switch (std::uniform_int_distribution(0, 99)(random)) {
        case 0: // a snake or obstacle picture chosen and applied
            Click(settings, pick(std::array{"player1Swatch0", "player1Swatch3", "player2Swatch4",
                                            "player2Swatch1", "obstacleTile2", "obstacleTile7",
                                            "obstacleTile0"}));
            Click(settings, "yesButton");
            break;
        case 1: // one or two players
            Click(settings, "playersPicture");
            break;
        case 2: // the other game type
            Click(settings, pick(std::array{"classicOption", "campaignOption"}));
            break;
        case 3: // the snakes collide or pass
            Click(settings, pick(std::array{"collideYes", "collideNo"}));
            break;
        case 4: // New
            Click(main->table, "newGameWord");
            break;
        case 5: // a level won: the next one lays its walls
        case 6:
        case 7:
            main->access.player(1).eaten = 25;
            break;
        default:
            if (random() % 3 == 0) {
                QTest::keyClick(&main->table, pick(keys));
            }
        }
        main->table.SetTimerEnabled(false);
    }

private slots:
    void init() {
        main.emplace();
        QVERIFY(QTest::qWaitForWindowExposed(&main->table));
        board = main->table.findChild<BoardView*>();
        timer = main->table.findChild<QTimer*>(QStringLiteral("gameTimer"));
        main->table.SetTimerEnabled(false);
        painted.emplace(*board);
        QCOMPARE(Screen(), FullRepaint());
    }

    void partialRepaintsShowTheWholeGame_data() {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1U, 2U, 3U}) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    // The game gives every cell its picture on every tick, but the board
    // repaints only the cells whose picture changed. Random two-player games,
    // with steering, bites, endings, levels with walls and new pictures
    // chosen in the settings window, must leave on screen after every tick
    // exactly what a full repaint of the game shows, having repainted
    // exactly the cells that changed: a cell left out shows a stale picture,
    // one too many is wasted work.
    void partialRepaintsShowTheWholeGame() {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        Click(main->table.settings(), "playersPicture"); // two players
        Click(main->table.settings(), "campaignOption"); // campaign
        int endings = 0;
        int stepsWithWalls = 0;
        for (int step = 0; step < 500; ++step) {
            Act(random);
            QVERIFY2(Screen() == FullRepaint(), qPrintable(QStringLiteral("action %1").arg(step)));
            painted->Take();
            const std::array<Picture, kCells> before = main->game.cellPictures();
            const bool ended = Tick();
            QVERIFY2(Screen() == FullRepaint(), qPrintable(QStringLiteral("tick %1").arg(step)));
            // An ending paints the board halfway through its tick too.
            const QRegion repainted = painted->Take();
            const QRegion changed = Changed(before);
            QVERIFY2(ended || (repainted ^ changed).isEmpty(),
                     qPrintable(QStringLiteral("tick %1 repainted %2 cells, %3 changed")
                                    .arg(step)
                                    .arg(Area(repainted))
                                    .arg(Area(changed))));
            endings += ended;
            stepsWithWalls += std::ranges::count(main->game.obstacles(), kObstacle) > 0;
        }
        QVERIFY(endings > 5 && stepsWithWalls > 50);
    }

    // A paint for another reason, such as a window uncovering part of the
    // board, paints the game as it is now, even through part of a cell; such
    // a cell is not taken to show its picture, so it is repainted whole.
    void aPaintThroughPartOfACellHidesNoChange() {
        const int cell = 20 * kColumns + 10;
        main->access.cellPictures()[cell] = main->game.options().obstacle;
        board->update(CellRect(cell).translated(8, 8)); // a quarter of it and of three others
        QCoreApplication::processEvents();
        board->ShowChanges();
        QCOMPARE(Screen(), FullRepaint());
    }
};

QTEST_MAIN(BoardRepaintTest)
#include "board_repaint_test.moc"
