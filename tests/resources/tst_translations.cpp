#include "Translations.h"
#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// Every key the code looks up must have an English text, and every shipped language a finished
// translation of it with the same placeholders, or the user would see a raw key or a broken text.
class TranslationsTest final : public QObject {
    Q_OBJECT

private:
    static QSet<QString> keysUsedInSources() {
        // Literal keys passed to qtTrId, and keys marked for lookup elsewhere with QT_TRID_NOOP.
        static const QRegularExpression lookup(QStringLiteral("(?:qtTrId|QT_TRID_NOOP)\\(\\s*\"([^\"]+)\""));
        QSet<QString> keys;
        // Keys made from a format or an action, which no literal names.
        for (ArchiveFormat format : allArchiveFormats()) {
            keys.insert(titleKey(format));
            for (ArchiveAction action : allArchiveActions())
                keys.insert(descriptionKey(format, action));
        }
        QDirIterator files(QStringLiteral(BALEWICK_SOURCE_DIR "/src"),
                           {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch& match : lookup.globalMatch(text))
                keys.insert(match.captured(1));
        }
        return keys;
    }

    struct Message {
        QString source;
        QString translation;
        bool finished = true;
    };
    // A catalogue's messages by id; empty when the file cannot be read.
    static QHash<QString, Message> catalogue(const QString& language) {
        QFile file(
            QStringLiteral(BALEWICK_SOURCE_DIR "/resources/translations/balewick_%1.ts").arg(language));
        QHash<QString, Message> messages;
        if (!file.open(QIODevice::ReadOnly))
            return messages;
        QXmlStreamReader xml(&file);
        QString id;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"message") {
                id = xml.attributes().value(QLatin1String("id")).toString();
            } else if (xml.name() == u"source") {
                messages[id].source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                messages[id].finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                messages[id].translation = xml.readElementText();
            }
        }
        return xml.hasError() ? QHash<QString, Message>() : messages;
    }
    static QStringList placeholders(const QString& text) {
        static const QRegularExpression placeholder(QStringLiteral("%(?:[1-9]|n)"));
        QStringList found;
        for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
            found.append(match.captured());
        found.sort();
        found.removeDuplicates();
        return found;
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void everyKeyInTheSources_hasEnglishText() {
        const QSet<QString> keys = keysUsedInSources();
        QVERIFY2(keys.size() > 100, "the key scan found suspiciously few keys");
        QStringList missing;
        for (const QString& key : keys) {
            if (qtTrId(key.toUtf8().constData()) == key)
                missing.append(key);
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QStringLiteral("no English text for: ") + missing.join(u", ")));
    }

    void everyLanguage_translatesEveryKey_withTheSamePlaceholders_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"fr", "de", "it", "es", "ja"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void everyLanguage_translatesEveryKey_withTheSamePlaceholders() {
        QFETCH(QString, language);
        const QHash<QString, Message> english = catalogue(QStringLiteral("en"));
        const QHash<QString, Message> translated = catalogue(language);
        QVERIFY(english.size() > 100);
        QStringList faults;
        for (auto message = english.cbegin(); message != english.cend(); ++message) {
            const auto found = translated.constFind(message.key());
            if (found == translated.cend() || !found->finished || found->translation.trimmed().isEmpty())
                faults.append(message.key() + QStringLiteral(": no finished translation"));
            else if (placeholders(found->translation) != placeholders(message->translation))
                faults.append(message.key() + QStringLiteral(": placeholders differ"));
        }
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"; ")));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
