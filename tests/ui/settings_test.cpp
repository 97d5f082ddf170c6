// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "modal_window.h"

#include "engine/snake_game.h"
#include "options/settings.h"
#include "options/speed_steps.h"
#include "ui/shell/picture_box.h"
#include "ui/shell/window_outlines.h"

#include <QApplication>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <random>

using namespace zorvik;

namespace {

constexpr int kSegments = static_cast<int>(kSpeedSteps.size());

// The pictures of a row of choices, read from left to right on the screen.
std::vector<Picture> RowLeftToRight(const Settings& settings, const QString& name, int count) {
    std::vector<const PictureBox*> row;
    for (int i = 0; i < count; ++i) {
        row.push_back(settings.findChild<PictureBox*>(name + QString::number(i)));
    }
    std::ranges::sort(row, {}, [](const PictureBox* box) { return box->x(); });
    std::vector<Picture> pictures;
    for (const PictureBox* box : row) {
        pictures.push_back(box->picture());
    }
    return pictures;
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void speedSegmentClickLightsUpToItAndSetsItsInterval();
    void choiceRowsRunInColourOrderWithTheGamesPicturesPreviewed();
    void choicesWaitForYesAndOutliveNo();
    void yesWithNothingChangedStillRestarts();
    void twoClicksOnPlayerPictureReturnToOnePlayer();
    void gameTypeStartsOverOnTheOpenBoardOfLevelOne_data();
    void gameTypeStartsOverOnTheOpenBoardOfLevelOne();
    void newObstacleTileShowsOnlyAtTheNextLayout();
    void outlineCutsTheRoundedCorners_data();
    void outlineCutsTheRoundedCorners();
    void openingFromSetupPausesAndClosingLeavesPaused();
    void pressOnSurfaceDragsButPressOnControlDoesNot();
    void manyClicksAndOpeningsKeepOneConsistentWindow();

private:
    Settings& settings() { return table_->settings(); }
    SnakeGame& game() { return table_->game(); }
    PictureBox* Control(const QString& name) { return settings().findChild<PictureBox*>(name); }
    Picture PictureOf(const QString& name) { return Control(name)->picture(); }
    void Click(QWidget* widget) {
        QVERIFY(widget != nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    void Click(const QString& name) { Click(settings().findChild<QWidget*>(name)); }
    std::vector<Picture> Segments();
    // How many segments from the left are lit; -1 when a lit one follows an unlit one.
    int LitSegments();
    // Clicks Setup on the main window and runs `inside` while the settings
    // window is up modally; the window is closed after it if still open.
    bool OpenFromSetup(const std::function<void()>& inside) {
        bool settingsCameUp = false;
        main_->Open("Label4", [&](QWidget& modal) {
            settingsCameUp = &modal == &settings();
            if (settingsCameUp) {
                inside();
            }
            if (modal.isVisible()) {
                modal.close();
            }
        });
        return settingsCameUp;
    }

    std::unique_ptr<testing::MainWindow> main_;
    SnakeTable* table_ = nullptr;
    Picture unlitSegment_;
};

void SettingsTest::init() {
    main_ = std::make_unique<testing::MainWindow>();
    table_ = main_->table.get();
    unlitSegment_ = PictureOf(QStringLiteral("SpeedPic%1").arg(kSegments - 1));
}

void SettingsTest::cleanup() {
    table_ = nullptr;
    main_.reset();
}

std::vector<Picture> SettingsTest::Segments() {
    std::vector<Picture> segments;
    for (int i = 0; i < kSegments; ++i) {
        segments.push_back(PictureOf(QStringLiteral("SpeedPic%1").arg(i)));
    }
    return segments;
}

int SettingsTest::LitSegments() {
    const std::vector<Picture> segments = Segments();
    const auto firstUnlit = std::ranges::find(segments, unlitSegment_);
    const bool litAfterUnlit =
        std::any_of(firstUnlit, segments.end(), [this](Picture p) { return p != unlitSegment_; });
    return litAfterUnlit ? -1 : static_cast<int>(firstUnlit - segments.begin());
}

// The speed is nothing but the lit segments and the timer, so every kind of
// click must leave both saying the same speed.
void SettingsTest::speedSegmentClickLightsUpToItAndSetsItsInterval() {
    QCOMPARE(LitSegments(), 3);
    QCOMPARE(table_->TimerInterval(), kSpeedSteps[2]);

    struct Step {
        int segment;
        int lit;
        int interval;
        bool picturesChange;
    };
    const Step steps[] = {
        {5, 6, 50, true},  {1, 2, 200, true}, {1, 2, 200, false}, {6, 7, 25, true},
        {6, 7, 25, false}, {0, 1, 250, true}, {0, 1, 250, false}, {3, 4, 100, true},
        {4, 5, 75, true},  {2, 3, 150, true},
    };
    for (const Step& step : steps) {
        const std::vector<Picture> before = Segments();
        table_->SetTimerInterval(1);
        Click(QStringLiteral("SpeedPic%1").arg(step.segment));
        std::vector<Picture> after = Segments();
        QCOMPARE(LitSegments(), step.lit);
        QCOMPARE(table_->TimerInterval(), step.interval);
        QCOMPARE(after != before, step.picturesChange);
        if (step.lit == kSegments) {
            // Each segment lights in a picture of its own.
            std::ranges::sort(after, {}, &Picture::id);
            QVERIFY(std::ranges::adjacent_find(after) == after.end());
        }
    }
}

// The controls keep their original indexes in a shuffled order on screen:
// the start-up previews must still be the game's pictures, and both snake
// rows must offer the same swatches in the same order.
void SettingsTest::choiceRowsRunInColourOrderWithTheGamesPicturesPreviewed() {
    const CellPictures& templates = game().Templates;
    QCOMPARE(PictureOf(QStringLiteral("SBF")), templates.SBlock);
    QCOMPARE(PictureOf(QStringLiteral("SBF2")), templates.IM2P);
    QCOMPARE(PictureOf(QStringLiteral("SOF")), templates.Obs);

    const std::vector<Picture> snakes = RowLeftToRight(settings(), QStringLiteral("SB"), 5);
    QCOMPARE(RowLeftToRight(settings(), QStringLiteral("SB2"), 5), snakes);
    // Green first, then red; the red tile second.
    QCOMPARE(snakes[0], templates.IM2P);
    QCOMPARE(snakes[1], templates.SBlock);
    QCOMPARE(PictureOf(QStringLiteral("SB0")), templates.SBlock);
    QCOMPARE(PictureOf(QStringLiteral("SB21")), templates.IM2P);
    const std::vector<Picture> tiles = RowLeftToRight(settings(), QStringLiteral("SO"), 8);
    QCOMPARE(tiles[1], templates.Obs);
    QCOMPARE(PictureOf(QStringLiteral("SO2")), templates.Obs);
    for (auto row : {snakes, tiles}) {
        std::ranges::sort(row, {}, &Picture::id);
        QVERIFY(std::ranges::adjacent_find(row) == row.end());
    }
}

// No only closes: the game keeps its pictures, the window keeps the choice
// for the next opening, and a later Yes applies it.
void SettingsTest::choicesWaitForYesAndOutliveNo() {
    const CellPictures before = game().Templates;
    settings().show();
    Click(QStringLiteral("SB3"));
    Click(QStringLiteral("SB24"));
    Click(QStringLiteral("SO5"));
    const Picture snake1 = PictureOf(QStringLiteral("SB3"));
    const Picture snake2 = PictureOf(QStringLiteral("SB24"));
    const Picture tile = PictureOf(QStringLiteral("SO5"));
    QCOMPARE(PictureOf(QStringLiteral("SBF")), snake1);
    QCOMPARE(PictureOf(QStringLiteral("SBF2")), snake2);
    QCOMPARE(PictureOf(QStringLiteral("SOF")), tile);

    Click(QStringLiteral("Image2"));
    QVERIFY(settings().isHidden());
    QCOMPARE(game().Templates.SBlock, before.SBlock);
    QCOMPARE(game().Templates.IM2P, before.IM2P);
    QCOMPARE(game().Templates.Obs, before.Obs);

    settings().show();
    QCOMPARE(PictureOf(QStringLiteral("SBF")), snake1);
    QCOMPARE(PictureOf(QStringLiteral("SBF2")), snake2);
    QCOMPARE(PictureOf(QStringLiteral("SOF")), tile);
    Click(QStringLiteral("Command1"));
    QVERIFY(settings().isHidden());
    QCOMPARE(game().Templates.SBlock, snake1);
    QCOMPARE(game().Templates.IM2P, snake2);
    QCOMPARE(game().Templates.Obs, tile);
    // The restart draws the snake in its new colour at once.
    QCOMPARE(game().TableBlock[game().Snake1[game().Snake1Head]], snake1);
}

// Yes always restarts, so the players can rely on it as "start over".
void SettingsTest::yesWithNothingChangedStillRestarts() {
    table_->SetTimerEnabled(false);
    for (int i = 0; i < 3; ++i) {
        game().Tick();
    }
    game().Score1 = 700;
    QVERIFY(game().Snake1[game().Snake1Head] != 105);
    const CellPictures before = game().Templates;

    settings().show();
    Click(QStringLiteral("Command1"));
    QVERIFY(settings().isHidden());
    QCOMPARE(game().Score1, 0.0f);
    QCOMPARE(game().Snake1[game().Snake1Head], 105);
    QCOMPARE(game().Templates.SBlock, before.SBlock);
    QCOMPARE(game().Templates.IM2P, before.IM2P);
    QCOMPARE(game().Templates.Obs, before.Obs);
}

// The number of players lives only in the picture, so toggling must flip
// the game with it and restart every time.
void SettingsTest::twoClicksOnPlayerPictureReturnToOnePlayer() {
    const Picture onePlayer = PictureOf(QStringLiteral("Image4"));
    auto* score2 = table_->findChild<QWidget*>(QStringLiteral("Label2"));
    settings().show();

    Click(QStringLiteral("Image4"));
    QVERIFY(!game().OnePlayer);
    QVERIFY(PictureOf(QStringLiteral("Image4")) != onePlayer);
    QCOMPARE(game().Snake2[game().Snake2Head], 165);
    QVERIFY(!score2->isHidden());

    game().Score1 = 300;
    Click(QStringLiteral("Image4"));
    QVERIFY(game().OnePlayer);
    QCOMPARE(PictureOf(QStringLiteral("Image4")), onePlayer);
    QCOMPARE(game().Score1, 0.0f);
    QVERIFY(score2->isHidden());
}

void SettingsTest::gameTypeStartsOverOnTheOpenBoardOfLevelOne_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("campaign");
    QTest::newRow("Classic") << QStringLiteral("Option1") << false;
    QTest::newRow("Campaign") << QStringLiteral("Option2") << true;
}

// Choosing a game type mid-campaign must not leave the walls of a later level
// on a fresh game.
void SettingsTest::gameTypeStartsOverOnTheOpenBoardOfLevelOne() {
    QFETCH(QString, button);
    QFETCH(bool, campaign);
    table_->SetTimerEnabled(false);
    game().CampaignMode = true;
    game().Level = 5;
    game().SetObstacles();
    QVERIFY(std::ranges::count(game().Board, 0) < kCells);
    game().Score1 = 900;
    settings().show();

    Click(button);
    QCOMPARE(game().CampaignMode, campaign);
    QCOMPARE(game().Level, 1);
    QCOMPARE(std::ranges::count(game().Board, 0), kCells);
    QCOMPARE(game().Score1, 0.0f);
    QVERIFY(settings().findChild<QRadioButton*>(button)->isChecked());
}

// Yes changes the obstacle template only: the walls already laid keep their
// tile until a layout is laid again.
void SettingsTest::newObstacleTileShowsOnlyAtTheNextLayout() {
    table_->SetTimerEnabled(false);
    game().Level = 3;
    game().SetObstacles();
    const auto wall = std::ranges::find(game().Board, -1) - game().Board.begin();
    QVERIFY(wall < kCells);
    const Picture oldTile = game().Templates.Obs;
    QCOMPARE(game().TableBlock[wall], oldTile);

    settings().show();
    Click(QStringLiteral("SO6"));
    Click(QStringLiteral("Command1"));
    const Picture newTile = PictureOf(QStringLiteral("SO6"));
    QVERIFY(newTile != oldTile);
    QCOMPARE(game().Templates.Obs, newTile);
    QCOMPARE(game().TableBlock[wall], oldTile);
    game().SetObstacles();
    QCOMPARE(game().TableBlock[wall], newTile);
}

void SettingsTest::outlineCutsTheRoundedCorners_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top row before the curve") << QPoint(41, 0) << false;
    QTest::newRow("top row, first column") << QPoint(42, 0) << true;
    QTest::newRow("left edge above the middle") << QPoint(0, 46) << false;
    QTest::newRow("left edge, middle band") << QPoint(0, 47) << true;
    QTest::newRow("last row before the curve") << QPoint(36, 506) << false;
    QTest::newRow("last row inside") << QPoint(37, 506) << true;
}

// The corners outside the rounded panel must belong to whatever lies behind.
void SettingsTest::outlineCutsTheRoundedCorners() {
    QFETCH(QPoint, pixel);
    QFETCH(bool, inside);
    QCOMPARE(SettingsRegion().size(), 944);
    QCOMPARE(settings().mask().contains(pixel), inside);
}

// No tick may run behind the window, and closing it must not resume the
// game behind the players' backs.
void SettingsTest::openingFromSetupPausesAndClosingLeavesPaused() {
    auto* pause = table_->findChild<PictureBox*>(QStringLiteral("Pause"));
    const Picture running = pause->picture();
    QVERIFY(table_->TimerEnabled());

    bool pausedInside = false;
    QVERIFY(OpenFromSetup([&] {
        pausedInside = !table_->TimerEnabled();
        Click(QStringLiteral("Command1"));
    }));
    QVERIFY(pausedInside);
    QVERIFY(settings().isHidden());
    QVERIFY(!table_->TimerEnabled());
    const Picture paused = pause->picture();
    QVERIFY(paused != running);

    QVERIFY(OpenFromSetup([&] { Click(QStringLiteral("Image2")); }));
    QVERIFY(!table_->TimerEnabled());
    QCOMPARE(pause->picture(), paused);

    Click(pause);
    QVERIFY(table_->TimerEnabled());
    QCOMPARE(pause->picture(), running);
}

// The window has no title bar: its surface is the only handle to move it by,
// and a press on a control must stay a click.
void SettingsTest::pressOnSurfaceDragsButPressOnControlDoesNot() {
    settings().show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings()));
    QWindow* window = settings().windowHandle();
    const QPoint start = settings().pos();

    const QPoint swatch = Control(QStringLiteral("SB0"))->geometry().center();
    QTest::mousePress(window, Qt::LeftButton, {}, swatch);
    QTest::mouseMove(window, swatch + QPoint(30, 20));
    QTest::mouseRelease(window, Qt::LeftButton, {}, swatch + QPoint(30, 20));
    QCOMPARE(settings().pos(), start);

    const QPoint surface(20, 100);
    QTest::mousePress(window, Qt::RightButton, {}, surface);
    QTest::mouseMove(window, surface + QPoint(30, 20));
    // The grabbed point stays under the mouse as the window follows it.
    QTest::mouseRelease(window, Qt::RightButton, {}, surface);
    QTRY_COMPARE(settings().pos(), start + QPoint(30, 20));
}

// Whatever order the players click in, the pictures and the game must agree,
// and reopening must reuse the one window.
void SettingsTest::manyClicksAndOpeningsKeepOneConsistentWindow() {
    table_->SetTimerEnabled(false);
    const Picture onePlayer = PictureOf(QStringLiteral("Image4"));
    const Picture yesUnselected = PictureOf(QStringLiteral("yesop"));
    const Picture noSelected = PictureOf(QStringLiteral("noop"));
    std::mt19937 random(2026);
    settings().show();
    for (int i = 0; i < 400; ++i) {
        switch (random() % 8) {
        case 0:
        case 1:
        case 2:
            Click(QStringLiteral("SpeedPic%1").arg(random() % kSegments));
            break;
        case 3:
            Click(QStringLiteral("Image4"));
            break;
        case 4:
            Click(QString::fromLatin1(random() % 2 ? "yesop" : "noop"));
            break;
        case 5:
            Click(QString::fromLatin1(random() % 2 ? "Option1" : "Option2"));
            break;
        case 6:
            Click(QString::fromLatin1(random() % 2 ? "Command1" : "Image2"));
            QVERIFY(settings().isHidden());
            settings().show();
            break;
        default:
            Click(QStringLiteral("SO%1").arg(random() % 8));
            break;
        }
        const int lit = LitSegments();
        QVERIFY(lit >= 1);
        QCOMPARE(table_->TimerInterval(), kSpeedSteps[lit - 1]);
        QCOMPARE(game().OnePlayer, PictureOf(QStringLiteral("Image4")) == onePlayer);
        QCOMPARE(table_->SnakesCollide(), PictureOf(QStringLiteral("yesop")) != yesUnselected);
        QCOMPARE(table_->SnakesCollide(), PictureOf(QStringLiteral("noop")) != noSelected);
        QCOMPARE(game().CampaignMode,
                 settings().findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked());
    }
    settings().hide();

    for (int i = 0; i < 30; ++i) {
        QVERIFY(OpenFromSetup([&] { Click(QString::fromLatin1(i % 2 ? "Command1" : "Image2")); }));
        QVERIFY(settings().isHidden());
    }
    QCOMPARE(table_->findChildren<Settings*>().size(), 1);
    QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(),
                                   [](QWidget* w) { return qobject_cast<Settings*>(w); }),
             1);
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
