#include "Translations.h"
#include "engine/ArchiveAction.h"
#include "engine/ArchiveFormat.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

// Every key the code looks up must have an English text, or the user would see the raw key.
class TranslationsTest final : public QObject {
    Q_OBJECT

private:
    static QSet<QString> keysUsedInSources()
    {
        // Literal keys passed to qtTrId, and keys marked for lookup elsewhere with QT_TRID_NOOP.
        static const QRegularExpression lookup(QStringLiteral("(?:qtTrId|QT_TRID_NOOP)\\(\\s*\"([^\"]+)\""));
        QSet<QString> keys;
        QDirIterator files(QStringLiteral(BALEWICK_SOURCE_DIR "/src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
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

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void everyKeyInTheSources_hasEnglishText()
    {
        const QSet<QString> keys = keysUsedInSources();
        QVERIFY2(keys.size() > 20, "the key scan found suspiciously few keys");
        QStringList missing;
        for (const QString& key : keys) {
            if (qtTrId(key.toUtf8().constData()) == key)
                missing.append(key);
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no English text for: ") + missing.join(u", ")));
    }

    void everyFormatAndActionKey_hasEnglishText()
    {
        QStringList missing;
        for (ArchiveFormat format : allArchiveFormats()) {
            QStringList keys{titleKey(format)};
            for (ArchiveAction action : allArchiveActions())
                keys.append(descriptionKey(format, action));
            for (const QString& key : keys) {
                if (qtTrId(key.toUtf8().constData()) == key)
                    missing.append(key);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
