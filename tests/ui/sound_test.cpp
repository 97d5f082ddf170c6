// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "captured_stderr.h"
#include "tests/kit/opened_game.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <thread>
#include <tuple>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;
using Samples = std::vector<qint16>;

namespace {

// The rate of the sound files and of the device that plays them.
constexpr int kFramesPerSecond = 24000;
constexpr auto kHeardWithin = 30ms;

// The 16-bit samples of a file, after its first `skip` bytes.
Samples SamplesIn(const QString& path, int skip = 0) {
    QFile file(path);
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.readAll().mid(skip) : QByteArray();
    Samples samples(static_cast<std::size_t>(bytes.size() / 2));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

// The samples of an embedded sound, after its 44-byte header.
Samples Embedded(const char* name) {
    return SamplesIn(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(name)), 44);
}

// Sounds played together, as the mixer adds them.
Samples Together(const Samples& a, const Samples& b) {
    Samples sum(std::max(a.size(), b.size()));
    for (std::size_t i = 0; i < sum.size(); ++i) {
        const int total = (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
        sum[i] = static_cast<qint16>(std::clamp(total, -32768, 32767));
    }
    return sum;
}

// The game with SDL's disk audio driver, which writes what the device plays
// into a file of 16-bit samples, one file each time the device opens.
struct DiskAudio : OpenedGame {
    DiskAudio() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", file.toLocal8Bit());
        // The test ticks the game itself.
        table.SetTimerEnabled(false);
        // After the first frame the sound starts SDL's events, not its audio.
        started = QTest::qWaitFor([] { return SDL_WasInit(SDL_INIT_EVENTS) != 0; }, 5000) &&
                  !QFile::exists(file);
    }

    // The device holds the file open while it is awake.
    bool DeviceAwake() const {
        for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd")).entryInfoList()) {
            if (fd.symLinkTarget() == file) {
                return true;
            }
        }
        return false;
    }

    // Runs `act`, in which the game should play `sound`, and reports whether
    // it did, whole and within kHeardWithin of the start of `act`: the time
    // the device took to open its file and how far into it the sound begins.
    bool Hears(const Samples& sound, const std::function<void()>& act) {
        if (!WaitAsleep()) {
            return false;
        }
        QFile::remove(file);
        const auto start = Clock::now();
        auto opened = std::async(std::launch::async, [this] {
            const auto deadline = Clock::now() + 2s;
            while (!QFile::exists(file) && Clock::now() < deadline) {
                std::this_thread::sleep_for(100us);
            }
            return Clock::now();
        });
        act();
        const auto wokeAfter = opened.get() - start;
        if (!QFile::exists(file) || !WaitAsleep()) {
            qWarning("the device did not wake");
            return false;
        }
        const Samples heard = Written();
        const auto loud = std::find_if(heard.begin(), heard.end(), [](qint16 s) { return s != 0; });
        if (loud == heard.end()) {
            qWarning("nothing was heard");
            return false;
        }
        // A sound begins softly: its first few samples may be silent.
        const auto begins =
            std::search(std::max(heard.begin(), loud - 8), heard.end(), sound.begin(), sound.end());
        if (begins == heard.end()) {
            qWarning("the sound was not heard as it is");
            return false;
        }
        const auto delay = wokeAfter + std::chrono::duration<double>(
                                           double(begins - heard.begin()) / kFramesPerSecond);
        if (delay > kHeardWithin) {
            qWarning("heard after %.1f ms",
                     std::chrono::duration<double, std::milli>(delay).count());
            return false;
        }
        return true;
    }

    // Runs `act` and reports whether nothing was heard for half a second.
    bool HearsNothing(const std::function<void()>& act) {
        if (!WaitAsleep()) {
            return false;
        }
        QFile::remove(file);
        act();
        QTest::qWait(500);
        return !QFile::exists(file) ||
               (WaitAsleep() && std::ranges::all_of(Written(), [](qint16 s) { return s == 0; }));
    }

    // Asleep, SDL's audio is stopped, and with it every thread of its own.
    bool WaitAsleep() const {
        return QTest::qWaitFor(
            [this] { return !DeviceAwake() && SDL_WasInit(SDL_INIT_AUDIO) == 0; }, 5000);
    }

    Samples Written() const { return SamplesIn(file); }

    void Tick() { testkit::Tick(table); }
    // A tick that ends the game, and the click on its end screen, which runs the timer again.
    // The screen stays up a while, for its sound to be heard before the click.
    void EndingTick() {
        WhileModal([&] { Tick(); },
                   [&](QWidget&) {
                       std::ignore = QTest::qWaitFor([&] { return QFile::exists(file); }, 300);
                   });
        table.SetTimerEnabled(false);
    }

    // Ticks into the crash of a snake curled onto itself.
    void Crash() {
        access.Place(1, kCurledSnake, kRight);
        Tick();
        EndingTick();
    }

    void PlayTwoPlayers() {
        GameOptions options = game.options();
        options.twoPlayers = true;
        access.game.StartGame(options);
    }

    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("audio.raw"));
    bool started = false;
};

QString WindowName(QWidget& window) {
    return QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    // Each thing a tick does is heard at once, as its own sound: the players
    // tell by the pitch who ate, and an ending is heard as its screen comes
    // up, not once it is gone. The device sleeps between them.
    void eachEventIsHeardAtOnce() {
        DiskAudio audio;
        QVERIFY(audio.started);
        QVERIFY(audio.Hears(Embedded("player1_meal"), [&] {
            audio.access.PutFood(106);
            audio.Tick();
        }));
        QVERIFY(audio.Hears(Embedded("game_over"), [&] { audio.Crash(); }));
        audio.PlayTwoPlayers();
        QVERIFY(audio.Hears(Embedded("player2_meal"), [&] {
            audio.access.PutFood(166);
            audio.Tick();
        }));
        GameOptions campaign = audio.game.options();
        campaign.campaign = true;
        audio.access.game.StartGameOnLevel(campaign, 3);
        QVERIFY(audio.Hears(Embedded("next_level"), [&] {
            audio.access.player(2).eaten = 25;
            audio.EndingTick();
        }));
    }

    // A bite that takes power and a meal in one tick are heard together.
    void twoSoundsOfOneTickPlayTogether() {
        DiskAudio audio;
        QVERIFY(audio.started);
        audio.PlayTwoPlayers();
        QTest::keyPress(&audio.table, Qt::Key_Control);
        QVERIFY(audio.Hears(Together(Embedded("bite"), Embedded("player1_meal")), [&] {
            audio.access.cellPictures().at(105) = audio.game.boardPictures().blackHead;
            audio.access.PutFood(106);
            audio.Tick();
        }));
        QCOMPARE(audio.game.player(2).power, 2270);
    }

    // M silences what plays and the next sounds, and brings them back; the
    // window's name says when sound is off, as nothing on the screen does.
    void mTurnsTheSoundOffAndOn() {
        DiskAudio audio;
        QVERIFY(audio.started);
        QCOMPARE(WindowName(audio.table), u"Zorvik");
        QTest::keyClick(&audio.table, Qt::Key_M);
        QCOMPARE(WindowName(audio.table), u"Zorvik, sound off");
        QVERIFY(audio.HearsNothing([&] {
            audio.access.PutFood(106);
            audio.Tick();
        }));
        QVERIFY(audio.HearsNothing([&] { audio.Crash(); }));
        QTest::keyClick(&audio.table, Qt::Key_M);
        QCOMPARE(WindowName(audio.table), u"Zorvik");
        QVERIFY(audio.Hears(Embedded("game_over"), [&] { audio.Crash(); }));
        // It also cuts short a sound that plays.
        QVERIFY(audio.WaitAsleep());
        QFile::remove(audio.file);
        audio.access.PutFood(106);
        audio.Tick();
        QTest::keyClick(&audio.table, Qt::Key_M);
        QTest::qWait(200);
        QVERIFY(audio.WaitAsleep());
        QVERIFY(std::ranges::count_if(audio.Written(), [](qint16 s) { return s != 0; }) <
                qsizetype(Embedded("player1_meal").size() / 2));
    }

    // Without sound the game plays on silently, told in at most one line:
    // a dummy device, no audio at all, a device that cannot open, one that
    // fails as it plays. Nothing of SDL starts before the first frame.
    void gamePlaysOnWithoutSound() {
        const std::tuple<QByteArray, QByteArray, int> cases[] = {
            // driver, file, lines on stderr
            {"dummy", {}, 0},
            {"nonexistent", {}, 1},
            {"disk", "/nonexistent/audio.raw", 1},
            {"disk", "/dev/full", 0}};
        for (const auto& [driver, file, lines] : cases) {
            qputenv("SDL_AUDIODRIVER", driver);
            qputenv("SDL_DISKAUDIOFILE", file);
            CapturedStderr errors;
            {
                PictureBook book;
                MainWindow window(book, 1);
                GameAccess access{const_cast<SnakeGame&>(window.game())};
                QTest::qWait(50);
                QVERIFY(SDL_WasInit(SDL_INIT_AUDIO) == 0);
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
                window.SetTimerEnabled(false);
                for (int meal = 0; meal < 3; ++meal) {
                    access.PutFood(window.game().player(1).snake.HeadCell() + 1);
                    testkit::Tick(window);
                    QTest::qWait(100);
                }
                QCOMPARE(window.game().player(1).eaten, 3);
                access.Place(1, kCurledSnake, kRight);
                testkit::Tick(window);
                const auto shown = WhileModal([&] { testkit::Tick(window); }, [](QWidget&) {});
                QVERIFY(shown.has_value());
                QVERIFY(window.TimerEnabled());
                QTRY_VERIFY(SDL_WasInit(SDL_INIT_AUDIO) == 0);
            }
            const QStringList said = errors.Lines().filter(u"sound"_s);
            QVERIFY2(said.size() == lines && errors.Lines().filter(u"ALSA"_s).isEmpty(),
                     qPrintable(driver + " " + file + ": " + said.join(u'|')));
            QVERIFY(said.isEmpty() || said[0].startsWith(u"zorvik: sound is off: "));
        }
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
