#include "TemporarySettings.h"
#include "Translations.h"
#include "persistence/AppPreferences.h"
#include "persistence/ArchiveLogCoding.h"
#include "persistence/ArchiveLogStore.h"
#include "support/ScriptedConfirmationAlert.h"

#include <QCoroTask>
#include <QDir>
#include <QStandardPaths>
#include <QTest>

namespace {

using F = ArchiveFormat;

// A property as text, so one table covers every kind; "formats" is the three actions' formats.
QString shown(const AppPreferences& preferences, const QByteArray& property) {
    if (property == "destination")
        return rawValue(preferences.destination());
    if (property == "selectedAction")
        return QString::number(rawValue(preferences.selectedAction()));
    if (property == "formats") {
        QStringList formats;
        for (ArchiveAction action : {ArchiveAction::compress, ArchiveAction::email, ArchiveAction::archive})
            formats.append(QString::number(rawValue(preferences.actionFormat(action))));
        return formats.join(u' ');
    }
    return preferences.property(property.constData()).toString();
}

const QDateTime epoch = QDateTime::fromString(QStringLiteral("2001-01-01T00:00:00Z"), Qt::ISODate);
const QUuid knownId = QUuid::fromString(QStringLiteral("0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9"));
const QByteArray knownIdText = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";
const char* const flags[] = {"promptForName",   "individualArchives", "skipAlreadyCompressed",
                             "omitFinderFiles", "omitMacMetadata",    "trashOriginals"};

std::optional<QList<ArchiveLogEntry>> storedLog(TemporarySettings& file) {
    return ArchiveLogCoding::decode(file.reopenFromDisk()->value(ArchiveLogStore::key()).toByteArray());
}

} // namespace

class PersistenceTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void keysOnDisk_firstStart_andResetDialogs() {
        TemporarySettings empty;
        AppPreferences fresh(empty.settings());
        QCOMPARE(empty.reopenFromDisk()->allKeys(), QStringList{"BWAutoCheckUpdates"});

        // Start-up drops the password keys; resetDialogs then exactly the six suppression keys.
        TemporarySettings file;
        QVariantMap stored{
            {"BWSavedPassword", "x"}, {"BWRememberPassword", true}, {"BWAutoCheckUpdates", false}};
        for (const char* key :
             {"BWSuppressOmitFinder", "BWSuppressOmitMac", "BWSuppressTrash", "BWSuppressEncryptedDMG",
              "BWSuppressEncryptedZip", "BWSuppressLargeMail", "BWSuppressSomethingElse"})
            stored.insert(key, true);
        file.seed(stored);
        AppPreferences preferences(file.settings());
        QCOMPARE(file.reopenFromDisk()->allKeys().size(), 8);
        preferences.resetDialogs();
        auto onDisk = file.reopenFromDisk();
        QCOMPARE(onDisk->allKeys(), (QStringList{"BWAutoCheckUpdates", "BWSuppressSomethingElse"}));
        QCOMPARE(onDisk->value("BWAutoCheckUpdates").toString(), QStringLiteral("false"));
    }

    // Seeded through QSettings, so the values come back in the forms QSettings reads from a file.
    void storedValues_fallBackSilently_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");

        const QString home = QDir::homePath() + QStringLiteral("/Archived Files");
        auto row = [](const char* name, const char* key, const QVariant& value, const char* property,
                      const QString& expected) {
            QTest::newRow(name) << QString::fromLatin1(key) << value << QByteArray(property) << expected;
        };
        row("destination wrong case", "BWDestination", "Desktop", "destination", "sameFolder");
        row("action unknown", "BWSelectedAction", 7, "selectedAction", "0");
        row("folder empty", "BWArchiveFolder", "", "archiveFolderPath", home);
        row("bool garbage", "BWPromptForName", "maybe", "promptForName", "false");
        row("update check garbage keeps its default", "BWAutoCheckUpdates", "often", "autoCheckForUpdates",
            "true");
        row("formats out of range", "BWActionFormats", QVariantList{9, -1, 6}, "formats", "0 0 6");
        row("formats of mixed types", "BWActionFormats", QVariantList{4, "x", 2}, "formats", "0 0 0");
    }

    void storedValues_fallBackSilently() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);
        TemporarySettings file;
        // The neighbouring key must survive whatever the value does.
        file.seed({{key, value}, {QStringLiteral("BWSkipAlreadyCompressed"), true}});
        AppPreferences preferences(file.settings());

        QCOMPARE(shown(preferences, property), expected);
        QVERIFY(preferences.skipAlreadyCompressed());
    }

    void everyStoredForm_reachesTheFileAtOnce_andReadsBack() {
        TemporarySettings file;
        file.seed({{QStringLiteral("BWActionFormats"), QVariantList{5}}});
        AppPreferences preferences(file.settings());
        ArchiveLogStore log(file.settings());
        const QString folder = QStringLiteral("/srv/Ärchive, old \"copies\"");
        preferences.setAutoCheckForUpdates(false);
        preferences.setDestination(ArchiveDestination::archiveFolder);
        preferences.setArchiveFolderPath(folder);
        preferences.setSelectedAction(ArchiveAction::archive);
        for (const char* property : flags)
            preferences.setProperty(property, true);
        preferences.setActionFormat(F::tar, ArchiveAction::archive);
        preferences.setLastArchive(QStringLiteral("/home/ann/b.dmg"));
        preferences.setLastAutoCheckDate(epoch);
        log.append(QStringLiteral("/home/ann/Ä, \"quoted\"\\odd/Report.tar.gz"), F::gzip);
        log.append(QStringLiteral("/home/ann/b.dmg"), F::diskImage);

        // Read while the writers are still open: every assignment was saved at once.
        const QByteArray text = file.text();
        for (const char* line :
             {"BWDestination=archiveFolder\n", "BWSelectedAction=2\n", "BWTrashOriginals=true\n",
              "BWActionFormats=5, 0, 1\n", "BWArchiveLog=\"@ByteArray([{", "BWLastArchive=/home/ann/b.dmg\n",
              "BWAutoCheckLastDate=@DateTime("})
            QVERIFY2(text.contains(line), text.constData());
        auto onDisk = file.reopenFromDisk();
        AppPreferences reread(onDisk.get());
        QCOMPARE(reread.archiveFolderPath(), folder);
        QCOMPARE(reread.lastArchive(), QStringLiteral("/home/ann/b.dmg"));
        QCOMPARE(reread.lastAutoCheckDate(), epoch);
        for (const char* property : flags)
            QVERIFY2(reread.property(property).toBool(), property);
        QCOMPARE(ArchiveLogStore(onDisk.get()).entries(), log.entries());
    }

    void logCoding_writesTheExactBytes() {
        const QList<ArchiveLogEntry> entries{
            {knownId, epoch.addMSecs(786297600500), "/home/ann/Archives/Report.tar.gz", std::nullopt},
            {knownId, epoch, QStringLiteral("/tmp/a\\b/\"c\" é"), 3},
        };
        const QByteArray expected = "[{\"date\":786297600.5,\"id\":\"" + knownIdText +
                                    "\",\"path\":\"\\/home\\/ann\\/Archives\\/Report.tar.gz\"},"
                                    "{\"date\":0,\"format\":3,\"id\":\"" +
                                    knownIdText + "\",\"path\":\"\\/tmp\\/a\\\\b\\/\\\"c\\\" \xc3\xa9\"}]";
        QCOMPARE(ArchiveLogCoding::encode(entries), expected);
        QCOMPARE(ArchiveLogCoding::decode(expected), std::optional(entries));
    }

    void logLoad_takesAllOrNothing_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("count"); // -1: does not decode

        const QByteArray id = "\"id\":\"" + knownIdText + "\"";
        const QByteArray good = "{" + id + ",\"date\":1.5,\"path\":\"/a/b.zip\"}";
        QTest::newRow("lower-case id, plain slashes, null format")
            << QVariant(QByteArray("[{\"id\":\"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9\",\"date\":1,"
                                   "\"path\":\"/a/b.zip\",\"format\":null}]"))
            << 1;
        QTest::newRow("indented, format out of range")
            << QVariant("[\n " + good + ",\n {" + id + ",\"date\":1,\"path\":\"/a\",\"format\":9}\n]\n") << 2;
        QTest::newRow("not JSON") << QVariant(QByteArray("BWArchiveLog")) << -1;
        QTest::newRow("missing path") << QVariant("[{" + id + ",\"date\":1}]") << -1;
        QTest::newRow("one bad entry among good ones")
            << QVariant("[" + good + ",{" + id + "}," + good + "]") << -1;
        QTest::newRow("a text, not data") << QVariant(QString::fromUtf8("[" + good + "]")) << -1;
    }

    void logLoad_takesAllOrNothing() {
        QFETCH(QVariant, stored);
        QFETCH(int, count);
        TemporarySettings file;
        file.seed({{ArchiveLogStore::key(), stored}});
        ArchiveLogStore store(file.settings());

        QCOMPARE(store.entries().size(), qMax(count, 0));
        if (count >= 0)
            return;
        // Left as it was until the next append replaces it.
        QCOMPARE(file.reopenFromDisk()->value(ArchiveLogStore::key()), stored);
        store.append("/home/ann/new.zip", F::zip);
        QCOMPARE(storedLog(file), std::optional(store.entries()));
        QCOMPARE(store.entries().size(), 1);
    }

    void logAppend_keepsTheNewest200() {
        QList<ArchiveLogEntry> stored;
        for (int index = 0; index < 250; ++index)
            stored.append({QUuid::createUuid(), epoch.addSecs(250 - index),
                           QStringLiteral("/a/%1.zip").arg(index), index % 7});
        TemporarySettings file;
        file.seed({{ArchiveLogStore::key(), ArchiveLogCoding::encode(stored)}});
        ArchiveLogStore store(file.settings());
        QCOMPARE(store.entries(), stored);

        store.append("/a/new.zip", F::tar);

        QCOMPARE(store.entries().size(), ArchiveLogStore::limit);
        QCOMPARE(store.entries().first().path, QStringLiteral("/a/new.zip"));
        QCOMPARE(store.entries().mid(1), stored.first(ArchiveLogStore::limit - 1));
        QCOMPARE(storedLog(file), std::optional(store.entries()));
    }

    void confirmUnlessSuppressed_followsTheSuppressionRule_data() {
        QTest::addColumn<QVariant>("stored"); // the suppression key's value before
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("boxTicked");
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("storedAfter"); // empty = absent

        QTest::newRow("confirm with box") << QVariant() << true << true << true << true << "true";
        QTest::newRow("confirm without box") << QVariant() << true << false << true << true << "";
        QTest::newRow("cancel with box writes nothing") << QVariant() << false << true << false << true << "";
        QTest::newRow("suppressed asks nothing")
            << QVariant(true) << false << false << true << false << "true";
        QTest::newRow("stored false still asks")
            << QVariant(false) << false << false << false << true << "false";
    }

    void confirmUnlessSuppressed_followsTheSuppressionRule() {
        QFETCH(QVariant, stored);
        QFETCH(bool, confirmed);
        QFETCH(bool, boxTicked);
        QFETCH(bool, result);
        QFETCH(bool, asked);
        QFETCH(QString, storedAfter);
        TemporarySettings file;
        if (stored.isValid())
            file.seed({{QStringLiteral("BWSuppressTrash"), stored}});
        AppPreferences preferences(file.settings());
        ScriptedConfirmationAlert alert;
        alert.enqueue(confirmed, boxTicked);

        AppPreferences::Confirmation confirmation{.titleKey = "confirm.trash.title",
                                                  .messageKey = "confirm.trash.body",
                                                  .confirmButtonKey = "confirm.set",
                                                  .suppressionKey = "BWSuppressTrash"};

        QCOMPARE(QCoro::waitFor(preferences.confirmUnlessSuppressed(alert, confirmation)), result);
        QCOMPARE(alert.requests().size(), asked ? 1 : 0);
        QCOMPARE(file.reopenFromDisk()->value("BWSuppressTrash").toString(), storedAfter);
        if (!asked)
            return;
        // Asked in words, not in localisation keys.
        const ConfirmationAlert::Request& request = alert.requests().first();
        QCOMPARE(request.cancelButton, qtTrId("confirm.cancel"));
        QCOMPARE(request.suppressionCheckBox, qtTrId("confirm.dontAsk"));
    }
};

QTEST_GUILESS_MAIN(PersistenceTest)
#include "tst_persistence.moc"
