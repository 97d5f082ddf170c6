// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/kit/opened_game.h"
#include "ui/end_message.h"
#include "ui/translations.h"
#include "widgets/painted_word.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>

using namespace zorvik;
using namespace zorvik::testkit;

namespace {

// The placeholders of a text, sorted: %1 and %2 carry names and numbers.
QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match :
         QRegularExpression(QStringLiteral("%\\d")).globalMatch(text)) {
        found += match.captured();
    }
    found.sort();
    return found;
}

// A language in which every text is 40 % longer than the English and full
// of accented letters, placeholders kept: room for the translations to come.
class LongPseudoLanguage : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        static const QString plain = u"aeiouyAEIOUYcnsz"_qs;
        static const QString accented = u"áéíóúýÁÉÍÓÚÝçñšž"_qs;
        QString text = QString::fromUtf8(source);
        for (QChar& letter : text) {
            if (const qsizetype at = plain.indexOf(letter); at >= 0) {
                letter = accented[at];
            }
        }
        return text + QString(text.size() * 2 / 5, u'ë');
    }
};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    // A translator's file is finished when every text has a translation that
    // keeps its placeholders: a missing %1 would drop a player's name. Every
    // file is built into the game.
    void everyLanguageIsCompleteAndBuiltIn() {
        const QDir folder(QStringLiteral(ZORVIK_TRANSLATIONS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("zorvik_*.ts")});
        QCOMPARE_GE(files.size(), 10);
        // A message's source, a mark on its translation (unfinished), the translation.
        static const QRegularExpression message(
            uR"(<source>(.*?)</source>.*?<translation( type=)?[^>]*>(.*?)</translation>)"_qs,
            QRegularExpression::DotMatchesEverythingOption);
        for (const QString& file : files) {
            QVERIFY2(QFile::exists(u":/i18n/"_qs + QString(file).replace(u".ts"_qs, u".qm"_qs)),
                     qPrintable(file + u" is not built in"_qs));
            QFile ts(folder.filePath(file));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(ts.readAll());
            int messages = 0;
            for (const QRegularExpressionMatch& match : message.globalMatch(text)) {
                const QString where = file + u": "_qs + match.captured(1).left(40);
                QVERIFY2(match.captured(2).isEmpty() && !match.captured(3).trimmed().isEmpty(),
                         qPrintable(where));
                QCOMPARE(Placeholders(match.captured(3)), Placeholders(match.captured(1)));
                ++messages;
            }
            QCOMPARE(messages, text.count(u"<message"_qs));
        }
    }

    // In every language, and in one 40 % longer than the English, every
    // caption and every lettered word of every window fits its place whole,
    // as the English was made to: a smaller size, never an ellipsis, and
    // never over another control.
    void wordsFitTheirPlacesInEveryLanguage() {
        QStringList languages{u"en"_qs, u"long"_qs};
        for (const QString& file : QDir(u":/i18n"_qs).entryList()) {
            languages += file.section(u'_', 1).section(u'.', 0, 0);
        }
        for (const QString& language : languages) {
            SpeakLanguage(language);
            if (language == u"long") {
                QCoreApplication::installTranslator(new LongPseudoLanguage(qApp));
            }
            OpenedGame game;
            // The windows speak the desktop's language (English where the game has none).
            const QStringList words{game.table.findChild<QWidget*>("helpButton")->accessibleName(),
                                    Text(game.table, "player1Name")};
            QVERIFY(language != u"de" || words == QStringList({"Hilfe", "Spieler1"}));
            QVERIFY(language != u"en" || words == QStringList({"Help", "Player1"}));
            QStringList overflowing;
            EveryWindow(
                game, [&](const QString&, QWidget& window) { overflowing += Overflowing(window); });
            QVERIFY2(overflowing.isEmpty(),
                     qPrintable(language + u": "_qs + overflowing.join(u", "_qs)));
        }
        // What no smaller size fits, down to two thirds of the size, one pixel
        // at a time, is cut short.
        const paintkit::FittedText cut =
            paintkit::fitText(u"Schlangen können zusammenstoßen"_qs, paintkit::displayFont(21), 40);
        QVERIFY(cut.text.endsWith(QChar(0x2026)));
        QCOMPARE_LE(QFontMetricsF(cut.font).horizontalAdvance(cut.text), 40);
        QCOMPARE(cut.font.pixelSize(), 14);
    }

    // In a language written right to left an ending reads from the right:
    // the name the sentence starts with stands right of the other.
    void endMessagesReadRightToLeft() {
        SpeakLanguage(u"ar"_qs);
        const QFont font;
        const QString line = FitEndMessage(EndMessage{Outcome::Collided, 1, 2},
                                           {u"Ann"_qs, u"Bob"_qs}, QFontMetrics(font), 1000);
        QTextLayout layout(line, font);
        layout.beginLayout();
        const QTextLine shown = layout.createLine();
        layout.endLayout();
        QVERIFY(line.isRightToLeft());
        const qsizetype first = std::min(line.indexOf(u"Ann"_qs), line.indexOf(u"Bob"_qs));
        const qsizetype second = std::max(line.indexOf(u"Ann"_qs), line.indexOf(u"Bob"_qs));
        QVERIFY2(shown.cursorToX(first) > shown.cursorToX(second), qPrintable(line));
    }

private:
    static void SpeakLanguage(const QString& language) {
        qDeleteAll(qApp->findChildren<QTranslator*>());
        QLocale::setDefault(QLocale(language));
        InstallTranslations(*qApp);
    }

    // The captions and lettered words of a window that run past their
    // place, are elided, or reach over a control they do not lie on.
    static QStringList Overflowing(QWidget& window) {
        QStringList found;
        const QList<QWidget*> controls = window.findChildren<QWidget*>();
        const auto covered = [&](const QWidget* owner, const QRect& place) {
            return std::any_of(controls.begin(), controls.end(), [&](QWidget* other) {
                const QRect area(other->mapTo(&window, QPoint()), other->size());
                return other != owner && other->isVisible() && !other->isAncestorOf(owner) &&
                       !area.contains(place.center()) && area.intersects(place);
            });
        };
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const int room = label->contentsRect().width() - std::max(label->indent(), 0);
            const QRect place(label->mapTo(&window, QPoint()), label->size());
            if (label->isVisible() && !label->text().isEmpty() &&
                (label->fontMetrics().horizontalAdvance(label->text()) > room ||
                 covered(label, place) || label->text().contains(QChar(0x2026)))) {
                found += label->text();
            }
        }
        for (const PaintedWord* word : window.findChildren<PaintedWord*>()) {
            const auto* owner = static_cast<QWidget*>(word->parent());
            const paintkit::FittedText shown = word->Shown();
            const QRect place(owner->mapTo(&window, word->place().topLeft().toPoint()),
                              word->place().size().toSize());
            if (owner->window() == &window &&
                (QFontMetricsF(shown.font).horizontalAdvance(shown.text) > word->place().width() ||
                 covered(owner, place) || shown.text.contains(QChar(0x2026)) ||
                 !QRect(QPoint(), window.size()).contains(place))) {
                found += word->text();
            }
        }
        return found;
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
