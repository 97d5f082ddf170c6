// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
//
// The game's shaped windows on a Wayland compositor: a headless weston of
// the test's own, on a plain green desktop, photographed with its
// screenshooter. The environment names the program that shows the windows
// (ZORVIK_WAYLAND_WINDOWS) and the leak suppressions (ZORVIK_LSAN_SUPPRESSIONS).
#include "screen_difference.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/prctl.h>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

using zorvik::testkit::Difference;

constexpr QRgb kDesktop = qRgb(0x30, 0xc0, 0x30);

// The four corner pixels of a rectangle.
QList<QPoint> Corners(const QRect& box) {
    return {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()};
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT
public:
    ~WaylandTest() override {
        for (QProcess* process : {client_, weston_}) {
            if (process != nullptr) {
                process->terminate();
                process->waitForFinished(5000);
            }
        }
    }

private slots:
    void initTestCase() {
        QVERIFY(runtimeDir_.isValid() && shots_.isValid());
        QFile config(runtimeDir_.filePath(u"weston.ini"_s));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("[core]\nidle-time=0\n"
                     "[shell]\npanel-position=none\nbackground-color=0xff30c030\n"
                     "animation=none\nstartup-animation=none\n");
        config.close();
        env_.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir_.path());
        env_.insert(u"WAYLAND_DISPLAY"_s, u"wayland-zorvik-test"_s);
        env_.remove(u"DISPLAY"_s);
        // The sanitizers report a leak inside the system's D-Bus library at
        // exit; the game's own leaks still fail the exit check.
        env_.insert(u"LSAN_OPTIONS"_s, u"suppressions=%1:print_suppressions=0"_s.arg(
                                           env_.value(u"ZORVIK_LSAN_SUPPRESSIONS"_s)));
        // --debug lets the screenshooter take pictures.
        weston_ = Start(u"weston"_s,
                        {u"--backend=headless-backend.so"_s, u"--use-pixman"_s, u"--width=1024"_s,
                         u"--height=768"_s, u"--socket=wayland-zorvik-test"_s,
                         u"--config=%1"_s.arg(config.fileName()), u"--debug"_s},
                        u"wayland-weston.log"_s);
        const QString socket = runtimeDir_.filePath(u"wayland-zorvik-test"_s);
        QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(socket); }, 15000),
                 "weston did not start; see wayland-weston.log");
        QVERIFY(QTest::qWaitFor([&] { return Look() && shot_.pixel(0, 0) == kDesktop; }, 15000));
        desktop_ = shot_;
    }

    // On Wayland a mask only limits where clicks land: the rounded windows
    // must be translucent and paint only inside their outline, so that their
    // corners show what lies behind them, not a dark square.
    void shapedWindowsShowWhatLiesBehindTheirCorners() {
        QProcessEnvironment clientEnv = env_;
        clientEnv.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
        client_ =
            Start(env_.value(u"ZORVIK_WAYLAND_WINDOWS"_s), {}, u"wayland-client.log"_s, clientEnv);
        QVERIFY2(Said("main"), "no main window; see wayland-client.log");
        const QImage main = Settled();
        main.save(u"wayland-main.png"_s);
        const QRect mainBox = Difference(desktop_, main);
        // The picture's size: nothing is painted in the window's margin
        // beyond it.
        QCOMPARE(mainBox.size(), QSize(799, 550));
        for (const QPoint corner : Corners(mainBox)) {
            QCOMPARE(main.pixel(corner), kDesktop);
        }
        QVERIFY(main.pixel(mainBox.center()) != kDesktop);

        // Each dialog over the main window, alone: the settings window
        // (428 x 507, its picture's last row cut off) and the names dialog
        // (its first row outside its outline).
        const std::tuple<const char*, const char*, QSize> dialogs[] = {
            {"settings", "Settings", QSize(428, 507)}, {"names", "names", QSize(358, 150)}};
        for (const auto& [request, shown, size] : dialogs) {
            client_->write(QByteArray(request) + '\n');
            QVERIFY2(Said(shown), "no dialog came up; see wayland-client.log");
            const QImage dialog = Settled();
            dialog.save(u"wayland-%1.png"_s.arg(QLatin1String(request)));
            const QRect box = Difference(main, dialog);
            QCOMPARE(box.size(), size);
            for (const QPoint corner : Corners(box)) {
                QCOMPARE(dialog.pixel(corner), main.pixel(corner));
            }
            QVERIFY(dialog.pixel(box.center()) != main.pixel(box.center()));
        }
    }

private:
    QProcess* Start(const QString& program, const QStringList& arguments, const QString& log,
                    const QProcessEnvironment& env = {}) {
        auto* process = new QProcess(this);
        process->setProcessEnvironment(env.isEmpty() ? env_ : env);
        process->setStandardErrorFile(log);
        // Should the test die before it can clean up, what it started goes with it.
        process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        process->start(program, arguments);
        return process;
    }

    // Whether the client printed the line, within a generous time for a
    // sanitizer build on a busy machine.
    bool Said(const char* line) {
        return QTest::qWaitFor(
            [&] { return client_->canReadLine() && client_->readLine().trimmed() == line; }, 30000);
    }

    // Takes a picture of the whole desktop into shot_.
    bool Look() {
        QProcess shooter;
        shooter.setProcessEnvironment(env_);
        shooter.setWorkingDirectory(shots_.path());
        shooter.start(u"weston-screenshooter"_s, {});
        if (!shooter.waitForFinished(10000) || shooter.exitCode() != 0) {
            return false;
        }
        QDir folder(shots_.path());
        const QStringList taken = folder.entryList({u"*.png"_s});
        if (taken.isEmpty()) {
            return false;
        }
        shot_ = QImage(folder.filePath(taken.first())).convertToFormat(QImage::Format_RGB32);
        for (const QString& file : taken) {
            folder.remove(file);
        }
        return !shot_.isNull();
    }

    // A picture of the desktop once it has stopped changing.
    QImage Settled() {
        QImage previous;
        for (int i = 0; i < 20 && Look() && shot_ != previous; ++i) {
            previous = shot_;
            QTest::qWait(200);
        }
        return shot_;
    }

    QTemporaryDir runtimeDir_;
    QTemporaryDir shots_;
    QProcessEnvironment env_ = QProcessEnvironment::systemEnvironment();
    QProcess* weston_ = nullptr;
    QProcess* client_ = nullptr;
    QImage desktop_;
    QImage shot_;
};

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
