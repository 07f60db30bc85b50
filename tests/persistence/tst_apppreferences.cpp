#include "TemporarySettings.h"
#include "Translations.h"
#include "persistence/AppPreferences.h"
#include "support/ScriptedConfirmationAlert.h"

#include <QCoroTask>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const QStringList suppressionKeys{"BWSuppressOmitFinder", "BWSuppressOmitMac", "BWSuppressTrash",
                                  "BWSuppressEncryptedDMG", "BWSuppressEncryptedZip"};

// A property's value as text, so that one data table covers every kind of property.
QString shown(const AppPreferences& preferences, const QByteArray& property) {
    if (property == "destination")
        return rawValue(preferences.destination());
    if (property == "selectedAction")
        return QString::number(rawValue(preferences.selectedAction()));
    if (property == "archiveFolderPath")
        return preferences.archiveFolderPath();
    return preferences.property(property.constData()).toBool() ? QStringLiteral("true")
                                                               : QStringLiteral("false");
}

QString defaultArchiveFolder() {
    return QDir::homePath() + QStringLiteral("/Archived Files");
}

} // namespace

class AppPreferencesTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void firstStart_emptyStore_writesOnlyAutoCheckUpdates() {
        TemporarySettings file;
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        auto onDisk = file.reopenFromDisk();
        QCOMPARE(onDisk->allKeys(), QStringList{"BWAutoCheckUpdates"});
        QCOMPARE(onDisk->value("BWAutoCheckUpdates").toString(), QStringLiteral("true"));
        QVERIFY(preferences.autoCheckForUpdates());
        QCOMPARE(preferences.destination(), ArchiveDestination::sameFolder);
        QCOMPARE(preferences.archiveFolderPath(), defaultArchiveFolder());
        QCOMPARE(preferences.selectedAction(), ArchiveAction::compress);
        QVERIFY(!preferences.trashOriginals());
    }

    void start_removesPasswordKeys_andLeavesEveryOtherKeyAlone() {
        TemporarySettings file;
        file.writeText(
            "[General]\nBWSavedPassword=secret\nBWRememberPassword=true\nBWAutoCheckUpdates=false\n"
            "BWTrashOriginals=true\nBWLastArchive=/tmp/a.zip\nBWSelectedPane=updates\n");
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        auto onDisk = file.reopenFromDisk();
        QCOMPARE(onDisk->allKeys(),
                 (QStringList{"BWAutoCheckUpdates", "BWLastArchive", "BWSelectedPane", "BWTrashOriginals"}));
        QCOMPARE(onDisk->value("BWAutoCheckUpdates").toString(), QStringLiteral("false"));
        QVERIFY(!preferences.autoCheckForUpdates());
        QVERIFY(preferences.trashOriginals());
    }

    void start_readsStoredText_withSilentFallbacks_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("expected");

        QTest::newRow("destination desktop")
            << QByteArray("BWDestination=desktop") << QByteArray("destination") << "desktop";
        QTest::newRow("destination wrong case")
            << QByteArray("BWDestination=Desktop") << QByteArray("destination") << "sameFolder";
        QTest::newRow("destination a number")
            << QByteArray("BWDestination=5") << QByteArray("destination") << "sameFolder";
        QTest::newRow("destination a list")
            << QByteArray("BWDestination=ask, desktop") << QByteArray("destination") << "sameFolder";
        QTest::newRow("action archive")
            << QByteArray("BWSelectedAction=2") << QByteArray("selectedAction") << "2";
        QTest::newRow("action unknown")
            << QByteArray("BWSelectedAction=7") << QByteArray("selectedAction") << "0";
        QTest::newRow("action negative")
            << QByteArray("BWSelectedAction=-1") << QByteArray("selectedAction") << "0";
        QTest::newRow("action text") << QByteArray("BWSelectedAction=email") << QByteArray("selectedAction")
                                     << "0";
        QTest::newRow("action fraction")
            << QByteArray("BWSelectedAction=1.5") << QByteArray("selectedAction") << "0";
        QTest::newRow("folder") << QByteArray("BWArchiveFolder=/data/My Archives")
                                << QByteArray("archiveFolderPath") << "/data/My Archives";
        QTest::newRow("folder with comma") << QByteArray("BWArchiveFolder=\"/data/a, b\"")
                                           << QByteArray("archiveFolderPath") << "/data/a, b";
        QTest::newRow("folder empty")
            << QByteArray("BWArchiveFolder=") << QByteArray("archiveFolderPath") << defaultArchiveFolder();
        QTest::newRow("folder a list") << QByteArray("BWArchiveFolder=/a, /b")
                                       << QByteArray("archiveFolderPath") << defaultArchiveFolder();
        QTest::newRow("bool true") << QByteArray("BWTrashOriginals=true") << QByteArray("trashOriginals")
                                   << "true";
        QTest::newRow("bool 1") << QByteArray("BWOmitMac=1") << QByteArray("omitMacMetadata") << "true";
        QTest::newRow("bool YES") << QByteArray("BWOmitFinder=YES") << QByteArray("omitFinderFiles")
                                  << "true";
        QTest::newRow("bool garbage")
            << QByteArray("BWPromptForName=maybe") << QByteArray("promptForName") << "false";
        QTest::newRow("auto check false")
            << QByteArray("BWAutoCheckUpdates=false") << QByteArray("autoCheckForUpdates") << "false";
        QTest::newRow("auto check garbage keeps its default")
            << QByteArray("BWAutoCheckUpdates=sometimes") << QByteArray("autoCheckForUpdates") << "true";
    }

    void start_readsStoredText_withSilentFallbacks() {
        QFETCH(QByteArray, line);
        QFETCH(QByteArray, property);
        QFETCH(QString, expected);

        // A broken line and an unrelated key around the value must not disturb it.
        TemporarySettings file;
        file.writeText("[General]\nnot a setting at all\n" + line + "\nBWSkipAlreadyCompressed=true\n");
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        QCOMPARE(shown(preferences, property), expected);
        QVERIFY(preferences.skipAlreadyCompressed());
    }

    void start_unreadableFile_fallsBackWithoutCrashing() {
        TemporarySettings file;
        QByteArray junk;
        for (int index = 0; index < 4096; ++index)
            junk.append(char((index * 7919) % 256));
        file.writeText(junk);
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        QVERIFY(preferences.autoCheckForUpdates());
        QCOMPARE(preferences.destination(), ArchiveDestination::sameFolder);
        QCOMPARE(preferences.actionFormat(ArchiveAction::archive), ArchiveFormat::zip);
    }

    void assignments_roundTripThroughTheFile() {
        TemporarySettings file;
        {
            auto settings = file.open();
            AppPreferences preferences(settings.get());
            preferences.setAutoCheckForUpdates(false);
            preferences.setDestination(ArchiveDestination::archiveFolder);
            preferences.setArchiveFolderPath(QStringLiteral("/srv/Ärchive, old \"copies\""));
            preferences.setSelectedAction(ArchiveAction::archive);
            preferences.setPromptForName(true);
            preferences.setIndividualArchives(true);
            preferences.setSkipAlreadyCompressed(true);
            preferences.setOmitFinderFiles(true);
            preferences.setOmitMacMetadata(true);
            preferences.setTrashOriginals(true);
        }
        const QByteArray text = file.text();
        QVERIFY2(text.contains("BWDestination=archiveFolder\n"), text.constData());
        QVERIFY2(text.contains("BWSelectedAction=2\n"), text.constData());
        QVERIFY2(text.contains("BWTrashOriginals=true\n"), text.constData());

        auto settings = file.reopenFromDisk();
        AppPreferences reread(settings.get());
        QVERIFY(!reread.autoCheckForUpdates());
        QCOMPARE(reread.destination(), ArchiveDestination::archiveFolder);
        QCOMPARE(reread.archiveFolderPath(), QStringLiteral("/srv/Ärchive, old \"copies\""));
        QCOMPARE(reread.selectedAction(), ArchiveAction::archive);
        QVERIFY(reread.promptForName());
        QVERIFY(reread.individualArchives());
        QVERIFY(reread.skipAlreadyCompressed());
        QVERIFY(reread.omitFinderFiles());
        QVERIFY(reread.omitMacMetadata());
        QVERIFY(reread.trashOriginals());
    }

    void assignment_reachesTheFileAtOnce_andAnnouncesOnlyChanges() {
        TemporarySettings file;
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        QSignalSpy changes(&preferences, &AppPreferences::omitMacMetadataChanged);

        preferences.setOmitMacMetadata(true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(file.reopenFromDisk()->value("BWOmitMac").toString(), QStringLiteral("true"));

        // The same value again writes it again (a key removed behind our back comes back) but
        // announces nothing.
        settings->remove("BWOmitMac");
        preferences.setOmitMacMetadata(true);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(file.reopenFromDisk()->value("BWOmitMac").toString(), QStringLiteral("true"));
    }

    void actionFormat_readsTheStoredArray_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QList<ArchiveFormat>>("expected");

        using F = ArchiveFormat;
        const QList<F> allZip{F::zip, F::zip, F::zip};
        QTest::newRow("missing") << QByteArray() << allZip;
        QTest::newRow("three integers")
            << QByteArray("BWActionFormats=5, 0, 1") << QList<F>{F::encryptedDiskImage, F::zip, F::tar};
        QTest::newRow("out of range elements")
            << QByteArray("BWActionFormats=9, -1, 6") << QList<F>{F::zip, F::zip, F::encryptedZip};
        QTest::newRow("longer than three")
            << QByteArray("BWActionFormats=2, 3, 4, 6") << QList<F>{F::gzip, F::bzip2, F::diskImage};
        QTest::newRow("a text element") << QByteArray("BWActionFormats=1, abc, 2") << allZip;
        QTest::newRow("a fractional element") << QByteArray("BWActionFormats=1, 1.5, 2") << allZip;
        QTest::newRow("an empty element") << QByteArray("BWActionFormats=1, , 2") << allZip;
        QTest::newRow("a single text, not an array") << QByteArray("BWActionFormats=3") << allZip;
        QTest::newRow("an empty list") << QByteArray("BWActionFormats=@Invalid()") << allZip;
    }

    void actionFormat_readsTheStoredArray() {
        QFETCH(QByteArray, line);
        QFETCH(QList<ArchiveFormat>, expected);

        TemporarySettings file;
        file.writeText("[General]\n" + line + "\n");
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        const QList<ArchiveFormat> formats{preferences.actionFormat(ArchiveAction::compress),
                                           preferences.actionFormat(ArchiveAction::email),
                                           preferences.actionFormat(ArchiveAction::archive)};
        QCOMPARE(formats, expected);
    }

    // Seeded through QSettings, so the file holds the forms QSettings itself writes: a one-element
    // list keeps its types, longer lists come back as texts.
    void setActionFormat_startsFromTheStoredArray_data() {
        using F = ArchiveFormat;
        QTest::addColumn<QVariantList>("seeded");
        QTest::addColumn<QList<ArchiveFormat>>("readBefore");
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<ArchiveAction>("action");
        QTest::addColumn<QStringList>("storedAfter");

        QTest::newRow("one element is padded")
            << QVariantList{5} << QList<F>{F::encryptedDiskImage, F::zip, F::zip} << F::tar
            << ArchiveAction::archive << QStringList{"5", "0", "1"};
        QTest::newRow("three integers") << QVariantList{1, 2, 3} << QList<F>{F::tar, F::gzip, F::bzip2}
                                        << F::zip << ArchiveAction::compress << QStringList{"0", "2", "3"};
        QTest::newRow("mixed types are replaced")
            << QVariantList{4, QStringLiteral("x"), 2} << QList<F>{F::zip, F::zip, F::zip} << F::gzip
            << ArchiveAction::email << QStringList{"0", "2", "0"};
    }

    void setActionFormat_startsFromTheStoredArray() {
        QFETCH(QVariantList, seeded);
        QFETCH(QList<ArchiveFormat>, readBefore);
        QFETCH(ArchiveFormat, format);
        QFETCH(ArchiveAction, action);
        QFETCH(QStringList, storedAfter);

        TemporarySettings file;
        file.seed([&](QSettings& settings) { settings.setValue("BWActionFormats", seeded); });
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        QCOMPARE((QList<ArchiveFormat>{preferences.actionFormat(ArchiveAction::compress),
                                       preferences.actionFormat(ArchiveAction::email),
                                       preferences.actionFormat(ArchiveAction::archive)}),
                 readBefore);

        preferences.setActionFormat(format, action);

        QCOMPARE(file.reopenFromDisk()->value("BWActionFormats").toStringList(), storedAfter);
        QCOMPARE(preferences.actionFormat(action), format);
    }

    void setActionFormat_announcesAfterTheWrite() {
        TemporarySettings file;
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        ArchiveFormat seenByObserver = ArchiveFormat::zip;
        connect(&preferences, &AppPreferences::actionFormatsChanged, this,
                [&] { seenByObserver = preferences.actionFormat(ArchiveAction::email); });

        preferences.setActionFormat(ArchiveFormat::bzip2, ArchiveAction::email);

        QCOMPARE(seenByObserver, ArchiveFormat::bzip2);
    }

    void actionFormat_seesAChangeMadeByAnotherProgram() {
        TemporarySettings file;
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        preferences.setActionFormat(ArchiveFormat::tar, ArchiveAction::compress);

        file.writeText("[General]\nBWAutoCheckUpdates=true\nBWActionFormats=3, 0, 0, 0\n");

        QCOMPARE(preferences.actionFormat(ArchiveAction::compress), ArchiveFormat::bzip2);
    }

    void resetDialogs_removesExactlyTheFiveSuppressionKeys() {
        TemporarySettings file;
        file.seed([](QSettings& settings) {
            for (const QString& key : suppressionKeys)
                settings.setValue(key, true);
            settings.setValue("BWTrashOriginals", true);
            settings.setValue("BWSuppressSomethingElse", true);
        });
        auto settings = file.open();
        AppPreferences preferences(settings.get());

        preferences.resetDialogs();

        QCOMPARE(file.reopenFromDisk()->allKeys(),
                 (QStringList{"BWAutoCheckUpdates", "BWSuppressSomethingElse", "BWTrashOriginals"}));
        QVERIFY(preferences.trashOriginals());
    }

    void confirmUnlessSuppressed_followsTheSuppressionRule_data() {
        QTest::addColumn<QByteArray>("stored"); // the suppression key's line, or empty
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("suppressChecked");
        QTest::addColumn<bool>("expectedResult");
        QTest::addColumn<bool>("expectedAsked");
        QTest::addColumn<QString>("expectedStored"); // the key's text afterwards; empty = absent

        QTest::newRow("confirm with box") << QByteArray() << true << true << true << true << "true";
        QTest::newRow("confirm without box") << QByteArray() << true << false << true << true << "";
        QTest::newRow("cancel with box writes nothing")
            << QByteArray() << false << true << false << true << "";
        QTest::newRow("cancel without box") << QByteArray() << false << false << false << true << "";
        QTest::newRow("suppressed asks nothing")
            << QByteArray("BWSuppressTrash=true") << false << false << true << false << "true";
        QTest::newRow("stored false still asks")
            << QByteArray("BWSuppressTrash=false") << false << false << false << true << "false";
        QTest::newRow("stored garbage still asks")
            << QByteArray("BWSuppressTrash=often") << true << false << true << true << "often";
    }

    void confirmUnlessSuppressed_followsTheSuppressionRule() {
        QFETCH(QByteArray, stored);
        QFETCH(bool, confirmed);
        QFETCH(bool, suppressChecked);
        QFETCH(bool, expectedResult);
        QFETCH(bool, expectedAsked);
        QFETCH(QString, expectedStored);

        TemporarySettings file;
        file.writeText("[General]\n" + stored + "\n");
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        ScriptedConfirmationAlert alert;
        alert.enqueue(confirmed, suppressChecked);

        const bool result = QCoro::waitFor(preferences.confirmUnlessSuppressed(
            alert, "confirm.trash.title", QStringLiteral("confirm.trash.body"), "confirm.set",
            "BWSuppressTrash"));

        QCOMPARE(result, expectedResult);
        QCOMPARE(alert.requests().size(), expectedAsked ? 1 : 0);
        QCOMPARE(file.reopenFromDisk()->value("BWSuppressTrash").toString(), expectedStored);
    }

    void confirmUnlessSuppressed_asksWithLocalisedTexts() {
        TemporarySettings file;
        auto settings = file.open();
        AppPreferences preferences(settings.get());
        ScriptedConfirmationAlert alert;
        alert.enqueue(true);
        alert.enqueue(true);

        QCoro::waitFor(preferences.confirmUnlessSuppressed(alert, "confirm.encryptedZip.title",
                                                           QStringLiteral("confirm.encryptedZip.body"),
                                                           "confirm.continue", "BWSuppressEncryptedZip"));
        QCoro::waitFor(preferences.confirmUnlessSuppressed(alert, "confirm.omitMac.title", std::nullopt,
                                                           "confirm.omit", "BWSuppressOmitMac"));

        QCOMPARE(alert.requests().size(), 2);
        const ConfirmationAlert::Request& withMessage = alert.requests().at(0);
        QCOMPARE(withMessage.title, qtTrId("confirm.encryptedZip.title"));
        QCOMPARE(withMessage.message, std::optional<QString>(qtTrId("confirm.encryptedZip.body")));
        QCOMPARE(withMessage.confirmButton, qtTrId("confirm.continue"));
        QCOMPARE(withMessage.cancelButton, qtTrId("confirm.cancel"));
        QCOMPARE(withMessage.suppressionCheckBox, qtTrId("confirm.dontAsk"));
        QVERIFY(withMessage.title != QStringLiteral("confirm.encryptedZip.title"));
        QVERIFY(withMessage.cancelButton != QStringLiteral("confirm.cancel"));
        QVERIFY(!alert.requests().at(1).message.has_value());
    }
};

QTEST_GUILESS_MAIN(AppPreferencesTest)
#include "tst_apppreferences.moc"
