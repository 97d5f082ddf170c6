// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/kit/opened_game.h"
#include "widgets/painted_word.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>

using namespace zorvik;
using namespace zorvik::testkit;

// The windows letter their words at run time. In English they must look as
// they did when the words were painted into their pictures: the pictures in
// english_windows/ are those windows, at 1x and 2x. Each window is shown on
// every screen in turn and compared on the last, so on two screens of
// different scales the words must follow the window to the second.
class EnglishWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void wordsLookAsTheyDid() {
        OpenedGame main;
        EveryWindow(main, &Check);
    }

    // A choice letters its word green once chosen, and grey again once the
    // other is.
    void chosenWordsTurnGreen() {
        OpenedGame main;
        main.Open(u"setupWord"_qs, [](QWidget& settings) {
            const auto greenLetters = [&](const char* choice) {
                const QImage box =
                    settings.findChild<QWidget*>(QLatin1String(choice))->grab().toImage();
                int green = 0;
                for (int i = 0; i < box.width() * box.height(); ++i) {
                    const QColor pixel = box.pixelColor(i % box.width(), i / box.width());
                    green += pixel.green() > 110 && pixel.red() < 60 && pixel.blue() < 80;
                }
                return green;
            };
            for (const auto& [chosen, other] :
                 {std::pair("collideYes", "collideNo"), std::pair("collideNo", "collideYes"),
                  std::pair("player2Computer", "player2Person"),
                  std::pair("player2Person", "player2Computer")}) {
                Click(settings, QLatin1String(chosen));
                QVERIFY2(greenLetters(chosen) > 20 && greenLetters(other) == 0, chosen);
            }
        });
    }

private:
    // Around each word, the window differs from the picture of it only where
    // the edges of the letters blend a little otherwise. Qt's own controls
    // nearby (the names dialog's text boxes) are no part of the comparison.
    static void Check(const QString& name, QWidget& window) {
        window.show();
        QImage drawn;
        QList<QScreen*> screens = QGuiApplication::screens();
        std::ranges::sort(screens, {}, &QScreen::devicePixelRatio);
        for (QScreen* screen : screens) {
            window.windowHandle()->setScreen(screen);
            QTRY_COMPARE(window.devicePixelRatioF(), screen->devicePixelRatio());
            drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        }
        const int ratio = qRound(drawn.devicePixelRatio());
        const QImage before =
            QImage(u"%1/%2@%3x.png"_qs.arg(QStringLiteral(ZORVIK_ENGLISH_WINDOWS), name).arg(ratio))
                .convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), before.size());
        // How far apart two pixels are: their largest difference in one channel.
        const auto distance = [](QRgb a, QRgb b) {
            return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))});
        };
        QRegion controls;
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            if (qobject_cast<const QLabel*>(control) || qobject_cast<const QLineEdit*>(control)) {
                controls += QRect(control->mapTo(&window, QPoint()), control->size());
            }
        }
        for (const PaintedWord* word : window.findChildren<PaintedWord*>()) {
            const auto& owner = *static_cast<QWidget*>(word->parent());
            if (owner.window() != &window) {
                continue;
            }
            const QRegion around = QRegion(QRect(owner.mapTo(&window, word->Bounds().topLeft()),
                                                 word->Bounds().size()))
                                       .subtracted(controls);
            int apart = 0, worst = 0;
            for (const QRect& logical : around) {
                for (int y = logical.top() * ratio; y < (logical.bottom() + 1) * ratio; ++y) {
                    for (int x = logical.left() * ratio; x < (logical.right() + 1) * ratio; ++x) {
                        const int apartBy =
                            drawn.valid(x, y) ? distance(drawn.pixel(x, y), before.pixel(x, y)) : 0;
                        apart += apartBy > 8 ? 1 : 0;
                        worst = std::max(worst, apartBy);
                    }
                }
            }
            const int area = around.boundingRect().width() * around.boundingRect().height();
            QVERIFY2(worst <= 48 && apart * 200 <= area * ratio * ratio,
                     qPrintable(u"%1 at %2x: %3 pixels apart, by up to %4"_qs.arg(
                         word->objectName(), QString::number(ratio), QString::number(apart),
                         QString::number(worst))));
        }
    }
};

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
