// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include "tests/kit/opened_game.h"
#include "ui/translations.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

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
        for (const QString& file : files) {
            QVERIFY2(QFile::exists(u":/i18n/"_qs + QString(file).replace(u".ts"_qs, u".qm"_qs)),
                     qPrintable(file + u" is not built in"_qs));
            QFile ts(folder.filePath(file));
            QVERIFY(ts.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&ts);
            QString source;
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) {
                    continue;
                }
                if (xml.name() == u"source") {
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == u"translation") {
                    const QString where = file + u": "_qs + source.left(40);
                    QVERIFY2(xml.attributes().value(QStringLiteral("type")).isEmpty(),
                             qPrintable(where));
                    const QString translation =
                        xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    QVERIFY2(!translation.trimmed().isEmpty(), qPrintable(where));
                    QCOMPARE(Placeholders(translation), Placeholders(source));
                    ++messages;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(file + xml.errorString()));
            QVERIFY(messages > 0);
        }
    }

    // The windows speak the desktop's language, and English where the game
    // has no translation.
    void windowsSpeakTheDesktopsLanguage() {
        const std::pair<const char*, QStringList> cases[] = {
            {"de", {"Hilfe", "Spieler1"}},
            {"ja", {"ヘルプ", "プレイヤー1"}},
            {"xx", {"Help", "Player1"}},
        };
        for (const auto& [language, words] : cases) {
            SpeakLanguage(QLatin1String(language));
            OpenedGame game;
            QCOMPARE(QStringList({game.table.findChild<QWidget*>("helpButton")->accessibleName(),
                                  Text(game.table, "player1Name")}),
                     words);
        }
    }

    // In every language, and in one 40 % longer than the English, each
    // caption of the main window and the names dialog fits its place whole,
    // as the English was made to: a smaller size, never an ellipsis.
    void captionsFitTheirPlacesInEveryLanguage() {
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
            QStringList overflowing = Overflowing(game.table);
            game.Open("player1Name", [&](QWidget& names) { overflowing += Overflowing(names); });
            QVERIFY2(overflowing.isEmpty(),
                     qPrintable(language + u": "_qs + overflowing.join(u", "_qs)));
        }
    }

private:
    static void SpeakLanguage(const QString& language) {
        qDeleteAll(qApp->findChildren<QTranslator*>());
        QLocale::setDefault(QLocale(language));
        InstallTranslations(*qApp);
    }

    // The captions of a window whose text runs past their width, is elided,
    // or lies under another control.
    static QStringList Overflowing(QWidget& window) {
        QStringList found;
        const QList<QWidget*> controls = window.findChildren<QWidget*>();
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            const int room = label->contentsRect().width() - std::max(label->indent(), 0);
            const bool covered = std::any_of(controls.begin(), controls.end(), [&](QWidget* other) {
                return other != label && other->isVisible() && !other->isAncestorOf(label) &&
                       other->parentWidget() == label->parentWidget() &&
                       other->geometry().intersects(label->geometry());
            });
            if (label->isVisible() && !label->text().isEmpty() &&
                (label->fontMetrics().horizontalAdvance(label->text()) > room || covered ||
                 label->text().contains(QChar(0x2026)))) {
                found += label->text();
            }
        }
        return found;
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
