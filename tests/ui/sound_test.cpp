// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "captured_stderr.h"
#include "tests/kit/opened_game.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <tuple>

using namespace zorvik;
using namespace zorvik::testkit;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Samples = std::vector<qint16>;

namespace {

// The rate of the sound files and of the device that plays them.
constexpr int kFramesPerSecond = 24000;
constexpr auto kHeardWithin = 30ms; // from the start of what the device writes

// The 16-bit samples of a file, after its first `skip` bytes.
Samples SamplesIn(const QString& path, int skip = 0) {
    QFile file(path);
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.readAll().mid(skip) : QByteArray();
    Samples samples(static_cast<std::size_t>(bytes.size() / 2));
    std::copy_n(bytes.constData(), samples.size() * 2, reinterpret_cast<char*>(samples.data()));
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

// The game with SDL's audio `driver`. The disk driver writes what the device
// plays into `file` (one of the test's own unless given), as 16-bit samples,
// a file each time the device opens.
struct AudioGame : OpenedGame {
    explicit AudioGame(const QByteArray& driver = "disk", const QByteArray& into = {})
        : file(into.isEmpty() ? folder.filePath(QStringLiteral("audio.raw")) : into) {
        qputenv("SDL_AUDIODRIVER", driver);
        qputenv("SDL_DISKAUDIOFILE", file.toLocal8Bit());
        // The test ticks the game itself.
        table.SetTimerEnabled(false);
        // After the first frame the sound starts SDL's events, not its audio.
        QVERIFY(QTest::qWaitFor([] { return SDL_WasInit(SDL_INIT_EVENTS) != 0; }, 5000) &&
                SDL_WasInit(SDL_INIT_AUDIO) == 0);
    }

    // Runs `act` once the device sleeps and gives what the device played for
    // it, none of it if it did not wake within `wake` milliseconds; nothing
    // at all if it never went to sleep.
    std::optional<Samples> Played(const std::function<void()>& act, int wake = 2000) {
        if (!WaitAsleep()) {
            return {};
        }
        QFile::remove(file);
        act();
        std::ignore = QTest::qWaitFor([this] { return QFile::exists(file); }, wake);
        return WaitAsleep() ? std::optional(SamplesIn(file)) : std::nullopt;
    }

    // Runs `act`, in which the game should play `sound`, and checks that the
    // device played it whole, beginning within kHeardWithin.
    void Hears(const Samples& sound, const std::function<void()>& act) {
        const Samples heard = Played(act).value_or(Samples());
        const auto loud = std::ranges::find_if(heard, [](qint16 s) { return s != 0; });
        QVERIFY2(loud != heard.end(), "nothing was heard");
        // A sound begins softly: its first few samples may be silent.
        const auto begins =
            std::search(std::max(heard.begin(), loud - 8), heard.end(), sound.begin(), sound.end());
        QVERIFY2(begins != heard.end(), "the sound was not heard as it is");
        QCOMPARE_LE(begins - heard.begin(), kFramesPerSecond * kHeardWithin / 1s);
    }

    // Runs `act` and reports whether nothing was heard for half a second.
    bool HearsNothing(const std::function<void()>& act) {
        const std::optional<Samples> heard = Played(act, 500);
        return heard && std::ranges::all_of(*heard, [](qint16 s) { return s == 0; });
    }

    // Asleep, SDL's audio is stopped, and with it the device and every thread of its own.
    static bool WaitAsleep() {
        return QTest::qWaitFor([] { return SDL_WasInit(SDL_INIT_AUDIO) == 0; }, 5000);
    }

    void Tick() { testkit::Tick(table); }
    // A tick that ends the game, and the click on its end screen, which runs the timer again.
    // The screen stays up a while, for its sound to be heard before the click.
    void EndingTick() {
        const auto shown =
            WhileModal([&] { Tick(); },
                       [&](QWidget&) {
                           std::ignore = QTest::qWaitFor([&] { return QFile::exists(file); }, 300);
                       });
        QVERIFY(shown && table.TimerEnabled());
        table.SetTimerEnabled(false);
    }

    // Ticks into a meal: food put in `cell`, a step ahead of a head.
    void Meal(int cell) {
        access.PutFood(cell);
        Tick();
    }

    // Ticks into the crash of a snake curled onto itself.
    void Crash() {
        access.Place(1, kCurledSnake, kRight);
        Tick();
        EndingTick();
    }

    // Clicks a choice in the settings, which starts a new game that only the test ticks.
    void Choose(const char* choice) {
        OpenedGame::Choose({choice});
        table.SetTimerEnabled(false);
    }

    QTemporaryDir folder;
    const QString file;
};

QString WindowName(QWidget& window) {
    return QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
}

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private slots:
    // Each thing a tick does is heard at once, as its own sound, two of them
    // mixed: the players tell by the pitch who ate, and an ending is heard as
    // its screen comes up, not once it is gone. The device sleeps between them.
    void eachEventIsHeardAtOnce() {
        AudioGame audio;
        audio.Hears(Embedded("player1_meal"), [&] { audio.Meal(106); });
        audio.Hears(Embedded("game_over"), [&] { audio.Crash(); });
        audio.Choose("playersPicture");
        audio.Hears(Embedded("player2_meal"), [&] { audio.Meal(166); });
        // A bite that takes power and a meal in one tick are heard together.
        audio.Choose("campaignOption");
        QTest::keyPress(&audio.table, Qt::Key_Control);
        audio.Hears(Together(Embedded("bite"), Embedded("player1_meal")), [&] {
            audio.access.cellPictures().at(105) = audio.game.boardPictures().blackHead;
            audio.Meal(106);
        });
        QTest::keyRelease(&audio.table, Qt::Key_Control);
        audio.Hears(Embedded("next_level"), [&] {
            audio.access.player(2).eaten = 25;
            audio.EndingTick();
        });
    }

    // M silences what plays and the next sounds, and brings them back; the
    // window's name says when sound is off, as nothing on the screen does.
    void mTurnsTheSoundOffAndOn() {
        AudioGame audio;
        QCOMPARE(WindowName(audio.table), u"Zorvik");
        QTest::keyClick(&audio.table, Qt::Key_M);
        QCOMPARE(WindowName(audio.table), u"Zorvik, sound off");
        QVERIFY(audio.HearsNothing([&] { audio.Meal(106); }));
        QVERIFY(audio.HearsNothing([&] { audio.Crash(); }));
        QTest::keyClick(&audio.table, Qt::Key_M);
        QCOMPARE(WindowName(audio.table), u"Zorvik");
        audio.Hears(Embedded("game_over"), [&] { audio.Crash(); });
        // It also cuts short a sound that plays.
        const std::optional<Samples> cut = audio.Played([&] {
            audio.Meal(106);
            QTest::keyClick(&audio.table, Qt::Key_M);
        });
        QVERIFY(cut && std::ranges::count_if(*cut, [](qint16 s) { return s != 0; }) <
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
            CapturedStderr errors;
            {
                AudioGame audio(driver, file);
                for (int meal = 0; meal < 3; ++meal) {
                    audio.Meal(audio.game.player(1).snake.HeadCell() + 1);
                    QTest::qWait(100);
                }
                QCOMPARE(audio.game.player(1).eaten, 3);
                audio.Crash();
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
