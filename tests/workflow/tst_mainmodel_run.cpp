#include "WorkflowFixture.h"

#include "Translations.h"
#include "engine/CompressionError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

class MainModelRunTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void process_whileBusy_dropsTheSecondDrop();
    void checkedItems_firstFailingItemEndsTheRun_data();
    void checkedItems_firstFailingItemEndsTheRun();
    void skipAlreadyCompressed_keepsFoldersAndFailsWhenNothingIsLeft();
    void groups_individualOrTogether_nameAndProgressText_data();
    void groups_individualOrTogether_nameAndProgressText();
    void uniqueArchiveURL_numbersTakenNames();
    void destination_sameFolder_usesTheFirstItemsFolder();
    void destination_ask_panelOncePerRunAndCancelIsSilent();
    void destination_archiveFolder_createdOrRefused();
    void encryptedFormat_declinedConfirmation_endsSilently();
    void completeRun_eachActionAndFormat_archiveReadsBack_data();
    void completeRun_eachActionAndFormat_archiveReadsBack();
    void trashOriginals_movesItemsButNeverTheArchiveFolder();
    void emailAction_handsAllArchivesOverInOrder();
    void secondOfThreeFails_firstKeptThirdNotAttempted();
    void progressDelay_showsOnlyWhileTheRunIsGoing();

private:
    QTemporaryDir m_home;
};

void MainModelRunTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    Translations::install(*QCoreApplication::instance());
    // A home of our own: it is a protected location, and the desktop lives in it.
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
}

void MainModelRunTest::process_whileBusy_dropsTheSecondDrop() {
    WorkflowFixture fixture;
    fixture.preferences.setPromptForName(true);
    const QUrl first = fixture.makeFile(u"first.txt"_s);
    const QUrl second = fixture.makeFile(u"second.txt"_s);

    fixture.model.process({first});
    QTRY_VERIFY(fixture.model.showNameSheet());
    fixture.model.process({second});
    QCOMPARE(fixture.model.proposedName(), u"first"_s);

    fixture.model.submitName();
    QVERIFY(fixture.waitForEnd(0));
    QTest::qWait(0);
    QCOMPARE(fixture.finished.size(), 1);
    QCOMPARE(fixture.outFiles(), QStringList{u"first.zip"_s});
    QVERIFY(fixture.dialogs.errors.isEmpty());
}

void MainModelRunTest::checkedItems_firstFailingItemEndsTheRun_data() {
    // "~" stands for the home folder, "@" for the folder of existing items (a.txt exists).
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("name");

    QTest::newRow("no items") << QStringList{} << u"noItems"_s << QString();
    QTest::newRow("missing before protected")
        << QStringList{u"@/a.txt"_s, u"@/b.txt"_s, u"/"_s} << u"missing"_s << u"b.txt"_s;
    QTest::newRow("protected before missing")
        << QStringList{u"/Users"_s, u"@/b.txt"_s} << u"forbidden"_s << u"Users"_s;
    QTest::newRow("root") << QStringList{u"/"_s} << u"forbidden"_s << u"/"_s;
    QTest::newRow("root with dots") << QStringList{u"/./tmp/.."_s} << u"forbidden"_s << u"/"_s;
    QTest::newRow("Applications, trailing slash")
        << QStringList{u"/Applications/"_s} << u"forbidden"_s << u"Applications"_s;
    QTest::newRow("home of all users") << QStringList{u"/home//"_s} << u"forbidden"_s << u"home"_s;
    QTest::newRow("own home") << QStringList{u"~"_s} << u"forbidden"_s << u"~"_s;
    QTest::newRow("own home, trailing slash") << QStringList{u"~/"_s} << u"forbidden"_s << u"~"_s;
    QTest::newRow("own home, dot-dot") << QStringList{u"~/Documents/.."_s} << u"forbidden"_s << u"~"_s;
    QTest::newRow("inside own home is fine") << QStringList{u"~/Documents"_s} << QString() << QString();
}

void MainModelRunTest::checkedItems_firstFailingItemEndsTheRun() {
    QFETCH(QStringList, paths);
    QFETCH(QString, failure);
    QFETCH(QString, name);
    WorkflowFixture fixture;
    fixture.makeFile(u"a.txt"_s);
    QDir(m_home.path()).mkpath(u"Documents"_s);
    const QString home = QDir::cleanPath(m_home.path());
    if (name == u"~"_s)
        name = QFileInfo(home).fileName();

    QList<QUrl> urls;
    for (QString path : paths) {
        path.replace(u'~', home).replace(u'@', fixture.item({}));
        urls.append(QUrl::fromLocalFile(path));
    }
    QVERIFY(fixture.runToEnd(urls));

    if (failure.isEmpty()) {
        QVERIFY(fixture.dialogs.errors.isEmpty());
        QCOMPARE(fixture.outFiles(), QStringList{u"Documents.zip"_s});
    } else {
        const CompressionError expected = failure == u"noItems"_s   ? CompressionError::noItems()
                                          : failure == u"missing"_s ? CompressionError::missingItem(name)
                                                                    : CompressionError::forbidden(name);
        QCOMPARE(fixture.dialogs.errorMessages(), QStringList{expected.errorDescription()});
        QCOMPARE(fixture.dialogs.errors.first().title, qtTrId("error.title"));
        QVERIFY(fixture.outFiles().isEmpty());
    }
    QVERIFY(fixture.endedCleanly());
}

void MainModelRunTest::skipAlreadyCompressed_keepsFoldersAndFailsWhenNothingIsLeft() {
    WorkflowFixture fixture;
    fixture.preferences.setSkipAlreadyCompressed(true);
    const QUrl zip = fixture.makeFile(u"a.zip"_s);
    const QUrl tgz = fixture.makeFile(u"b.tgz"_s);
    fixture.makeFile(u"c.zip/inside.txt"_s);

    QVERIFY(fixture.runToEnd({zip, tgz}));
    QCOMPARE(fixture.dialogs.errorMessages(), QStringList{CompressionError::allSkipped().errorDescription()});
    QVERIFY(fixture.outFiles().isEmpty());

    QVERIFY(fixture.runToEnd({zip, fixture.itemUrl(u"c.zip"_s)}));
    QCOMPARE(fixture.dialogs.errors.size(), 1);
    QCOMPARE(fixture.outFiles(), QStringList{u"c.zip"_s});
    QCOMPARE(archiveMembers(fixture.path(u"out/c.zip"_s)), QStringList{u"c.zip/inside.txt"_s});
}

void MainModelRunTest::groups_individualOrTogether_nameAndProgressText_data() {
    QTest::addColumn<bool>("individual");
    QTest::addColumn<QStringList>("archives");
    QTest::addColumn<QStringList>("progressTexts");

    const QString one = qtTrId("progress.archivingItem");
    QTest::newRow("one archive per item, never a name sheet")
        << true << QStringList{u"a.zip"_s, u"b.zip"_s, u"c.zip"_s}
        << QStringList{one.arg(u"a.txt"_s, u"a"_s), one.arg(u"b.txt"_s, u"b"_s), one.arg(u"c.txt"_s, u"c"_s)};
    QTest::newRow("one archive, named in the sheet")
        << false << QStringList{u"Bundle.zip.zip"_s}
        << QStringList{qtTrId("progress.archivingItems").arg(u"3"_s, u"Bundle.zip"_s)};
}

void MainModelRunTest::groups_individualOrTogether_nameAndProgressText() {
    QFETCH(bool, individual);
    QFETCH(QStringList, archives);
    QFETCH(QStringList, progressTexts);
    WorkflowFixture fixture;
    fixture.preferences.setIndividualArchives(individual);
    fixture.preferences.setPromptForName(true);
    QStringList proposals;
    QObject::connect(&fixture.model, &MainModel::showNameSheetChanged, &fixture.model, [&] {
        if (!fixture.model.showNameSheet())
            return;
        proposals.append(fixture.model.proposedName());
        fixture.model.setProposedName(u" Bundle.zip\n"_s);
        fixture.model.submitName();
    });
    QStringList seen;
    QObject::connect(&fixture.model, &MainModel::progressTextChanged, &fixture.model, [&] {
        if (!fixture.model.progressText().isEmpty())
            seen.append(fixture.model.progressText());
    });

    QVERIFY(fixture.runToEnd(
        {fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s), fixture.makeFile(u"c.txt"_s)}));

    QVERIFY(fixture.dialogs.errors.isEmpty());
    QCOMPARE(proposals, individual ? QStringList{} : QStringList{u"Compressed Archive"_s});
    QCOMPARE(seen, progressTexts);
    QCOMPARE(fixture.outFiles(), archives);
    QVERIFY(fixture.model.result().has_value());
    QCOMPARE(fixture.model.result()->urls.size(), archives.size());
    QCOMPARE(fixture.log.entries().size(), archives.size());
}

void MainModelRunTest::uniqueArchiveURL_numbersTakenNames() {
    WorkflowFixture fixture;
    fixture.preferences.setIndividualArchives(true);
    QFile(fixture.path(u"out/Report.zip"_s)).open(QIODevice::WriteOnly);
    QDir().mkpath(fixture.path(u"out/Report 2.zip"_s));
    QVERIFY(QFile::link(fixture.path(u"nowhere"_s), fixture.path(u"out/Report 3.zip"_s)));

    QVERIFY(fixture.runToEnd(
        {fixture.makeFile(u"Report.pdf"_s), fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"a.png"_s)}));

    QVERIFY(fixture.dialogs.errors.isEmpty());
    QCOMPARE(fixture.outFiles(), (QStringList{u"Report 2.zip"_s, u"Report 3.zip"_s, u"Report 4.zip"_s,
                                              u"Report.zip"_s, u"a 2.zip"_s, u"a.zip"_s}));
    QVERIFY(!QFileInfo::exists(fixture.path(u"nowhere"_s)));
    QCOMPARE(archiveMembers(fixture.path(u"out/a 2.zip"_s)), QStringList{u"a.png"_s});
}

void MainModelRunTest::destination_sameFolder_usesTheFirstItemsFolder() {
    WorkflowFixture fixture;
    fixture.preferences.setDestination(ArchiveDestination::sameFolder);
    fixture.preferences.setIndividualArchives(true);

    QVERIFY(fixture.runToEnd({fixture.makeFile(u"A/x.txt"_s), fixture.makeFile(u"B/y.txt"_s)}));

    QVERIFY(fixture.dialogs.errors.isEmpty());
    QCOMPARE(QDir(fixture.item(u"A"_s)).entryList(QDir::Files, QDir::Name),
             (QStringList{u"x.txt"_s, u"x.zip"_s, u"y.zip"_s}));
    QCOMPARE(QDir(fixture.item(u"B"_s)).entryList(QDir::Files), QStringList{u"y.txt"_s});
}

void MainModelRunTest::destination_ask_panelOncePerRunAndCancelIsSilent() {
    WorkflowFixture fixture;
    fixture.preferences.setDestination(ArchiveDestination::ask);
    fixture.preferences.setIndividualArchives(true);
    const QList<QUrl> items{fixture.makeFile(u"x.txt"_s), fixture.makeFile(u"y.txt"_s)};
    QDir().mkpath(fixture.path(u"chosen"_s));
    fixture.dialogs.folderAnswers = {QUrl::fromLocalFile(fixture.path(u"chosen"_s))};

    QVERIFY(fixture.runToEnd(items));
    QCOMPARE(fixture.dialogs.folderPrompts, QStringList{qtTrId("general.chooseFolder")});
    QCOMPARE(QDir(fixture.path(u"chosen"_s)).entryList(QDir::Files, QDir::Name),
             (QStringList{u"x.zip"_s, u"y.zip"_s}));

    QVERIFY(fixture.runToEnd(items));
    QCOMPARE(fixture.dialogs.folderPrompts.size(), 2);
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QVERIFY(!fixture.model.result().has_value());
    QVERIFY(fixture.endedCleanly());
}

void MainModelRunTest::destination_archiveFolder_createdOrRefused() {
    WorkflowFixture fixture;
    const QUrl item = fixture.makeFile(u"x.txt"_s);
    fixture.preferences.setArchiveFolderPath(fixture.path(u"deep/er/archives/"_s));
    QVERIFY(fixture.runToEnd({item}));
    QVERIFY(QFileInfo::exists(fixture.path(u"deep/er/archives/x.zip"_s)));

    fixture.preferences.setArchiveFolderPath(fixture.item(u"x.txt"_s));
    QVERIFY(fixture.runToEnd({item}));
    QCOMPARE(fixture.dialogs.errorMessages(),
             QStringList{CompressionError::folderCreate().errorDescription()});
    QCOMPARE(fixture.log.entries().size(), 1);
}

void MainModelRunTest::encryptedFormat_declinedConfirmation_endsSilently() {
    WorkflowFixture fixture;
    fixture.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
    const QUrl item = fixture.makeFile(u"x.txt"_s);

    QVERIFY(fixture.runToEnd({item}));
    QCOMPARE(fixture.dialogs.confirmationRequests.size(), 1);
    QCOMPARE(fixture.dialogs.confirmationRequests.first().title, qtTrId("confirm.encryptedZip.title"));
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QVERIFY(!fixture.model.showPasswordSheet());
    QVERIFY(fixture.outFiles().isEmpty());

    // Confirmed once with "don't ask again": later runs go straight to the password.
    fixture.dialogs.confirmationAnswers = {{true, true}};
    answerPasswordSheet(fixture.model, u"secret"_s);
    QVERIFY(fixture.runToEnd({item}));
    QVERIFY(fixture.runToEnd({item}));
    QCOMPARE(fixture.dialogs.confirmationRequests.size(), 2);
    QCOMPARE(fixture.outFiles(), (QStringList{u"x 2.zip"_s, u"x.zip"_s}));
}

void MainModelRunTest::completeRun_eachActionAndFormat_archiveReadsBack_data() {
    QTest::addColumn<ArchiveAction>("action");
    QTest::addColumn<ArchiveFormat>("format");
    const QList<ArchiveFormat> formats{ArchiveFormat::zip, ArchiveFormat::tar, ArchiveFormat::gzip,
                                       ArchiveFormat::bzip2, ArchiveFormat::encryptedZip};
    for (ArchiveAction action : allArchiveActions()) {
        for (ArchiveFormat format : formats)
            QTest::addRow(
                "%s %s", qPrintable(actionWord(action)),
                qPrintable(fileExtension(format) + (isEncrypted(format) ? u" encrypted"_s : QString())))
                << action << format;
    }
}

void MainModelRunTest::completeRun_eachActionAndFormat_archiveReadsBack() {
    QFETCH(ArchiveAction, action);
    QFETCH(ArchiveFormat, format);
    WorkflowFixture fixture;
    fixture.preferences.setSelectedAction(action);
    fixture.preferences.setActionFormat(format, action);
    fixture.preferences.setDestination(ArchiveDestination::desktop);
    fixture.preferences.setOmitFinderFiles(true);
    fixture.dialogs.fallbackConfirmation = {true, false};
    answerPasswordSheet(fixture.model, u"pa55 wörd"_s);
    QDir(m_home.path()).removeRecursively();
    QDir().mkpath(m_home.filePath(u"Desktop"_s));
    const QDateTime started = QDateTime::currentDateTime();

    const QUrl notes = fixture.makeFile(u"notes.txt"_s, "the notes");
    fixture.makeFile(u"photos/a.jpg"_s);
    fixture.makeFile(u"photos/.DS_Store"_s);
    QVERIFY(fixture.runToEnd({notes, fixture.itemUrl(u"photos"_s)}));

    QVERIFY2(fixture.dialogs.errors.isEmpty(), qPrintable(fixture.dialogs.errorMessages().join(u'\n')));
    QVERIFY(fixture.model.result().has_value());
    const QString archive = fixture.model.result()->urls.value(0).toLocalFile();
    // Archive-action names carry the minute the run started, which a slow machine may have left.
    QString expectedName = u"Compressed Archive"_s;
    if (action == ArchiveAction::archive) {
        expectedName = QFileInfo(archive).fileName().chopped(fileExtension(format).size() + 1);
        QVERIFY(expectedName == u"Archive "_s + started.toString(u"yyyy-MM-dd HH.mm"_s) ||
                expectedName == u"Archive "_s + QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH.mm"_s));
    }
    const QString folder =
        action == ArchiveAction::archive ? fixture.path(u"out"_s) : m_home.filePath(u"Desktop"_s);
    QCOMPARE(archive, QDir(folder).filePath(expectedName + u'.' + fileExtension(format)));

    QStringList expected{u"notes.txt"_s, u"photos/a.jpg"_s};
    if (action == ArchiveAction::archive)
        expected.insert(1, u"photos/.DS_Store"_s);
    QCOMPARE(archiveMembers(archive), expected);
    if (format == ArchiveFormat::encryptedZip) {
        QVERIFY(zipMember(archive, u"notes.txt"_s).isEmpty());
        QCOMPARE(zipMember(archive, u"notes.txt"_s, u"pa55 wörd"_s), QByteArray("the notes"));
    }
    QCOMPARE(fixture.desktop.emails, action == ArchiveAction::email
                                         ? QList<QList<QUrl>>{{QUrl::fromLocalFile(archive)}}
                                         : QList<QList<QUrl>>{});
    QCOMPARE(fixture.log.entries().size(), 1);
    QCOMPARE(fixture.log.entries().first().path, archive);
    QCOMPARE(fixture.log.entries().first().format.value_or(-1), rawValue(format));
    QCOMPARE(fixture.settings.value(u"BWLastArchive"_s).toString(), archive);
    QVERIFY(fixture.endedCleanly());
}

void MainModelRunTest::trashOriginals_movesItemsButNeverTheArchiveFolder() {
    WorkflowFixture fixture;
    fixture.preferences.setTrashOriginals(true);
    fixture.preferences.setIndividualArchives(true);
    // The archive folder lies inside the first dropped folder.
    fixture.preferences.setArchiveFolderPath(fixture.item(u"project/archives"_s));
    const QList<QUrl> items{fixture.makeFile(u"project/plan.txt"_s).adjusted(QUrl::RemoveFilename),
                            fixture.makeFile(u"other.txt"_s)};

    QVERIFY(fixture.runToEnd(items));

    QVERIFY(fixture.dialogs.errors.isEmpty());
    QCOMPARE(fixture.desktop.trashed, QStringList{fixture.item(u"other.txt"_s)});
    QVERIFY(QFileInfo::exists(fixture.item(u"project/archives/project.zip"_s)));

    // Switched off, nothing goes.
    fixture.desktop.trashed.clear();
    fixture.preferences.setTrashOriginals(false);
    QVERIFY(fixture.runToEnd({items.last()}));
    QVERIFY(fixture.desktop.trashed.isEmpty());
}

void MainModelRunTest::emailAction_handsAllArchivesOverInOrder() {
    WorkflowFixture fixture;
    fixture.preferences.setSelectedAction(ArchiveAction::email);
    fixture.preferences.setIndividualArchives(true);

    QVERIFY(fixture.runToEnd(
        {fixture.makeFile(u"c.txt"_s), fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s)}));

    const QList<QUrl> expected{QUrl::fromLocalFile(fixture.path(u"out/c.zip"_s)),
                               QUrl::fromLocalFile(fixture.path(u"out/a.zip"_s)),
                               QUrl::fromLocalFile(fixture.path(u"out/b.zip"_s))};
    QCOMPARE(fixture.desktop.emails, QList<QList<QUrl>>{expected});
    QCOMPARE(fixture.model.result(), std::optional<ArchiveResult>(ArchiveResult{expected}));
}

void MainModelRunTest::secondOfThreeFails_firstKeptThirdNotAttempted() {
    // A zip that refuses the staged item b.txt, as a tool failing on one archive would.
    QTemporaryDir tools;
    const QString zip = tools.filePath(u"zip"_s);
    QFile script(zip);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(
        "#!/bin/sh\nif [ -e b.txt ]; then echo 'b.txt: refused' >&2; exit 1; fi\nexec /usr/bin/zip \"$@\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    WorkflowFixture fixture(ArchiveTools{zip, u"/usr/bin/tar"_s, u"/usr/bin/hdiutil"_s});
    fixture.preferences.setIndividualArchives(true);
    fixture.preferences.setTrashOriginals(true);
    // The run ends only once the alert is dismissed, so it is still busy behind it.
    bool busyBehindAlert = false;
    fixture.dialogs.onError = [&](const FakeDialogs::ShownError&) {
        busyBehindAlert = fixture.model.isBusy();
    };

    QVERIFY(fixture.runToEnd(
        {fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s), fixture.makeFile(u"c.txt"_s)}));

    QCOMPARE(fixture.dialogs.errorMessages(), QStringList{u"b.txt: refused"_s});
    QVERIFY(busyBehindAlert);
    QCOMPARE(fixture.outFiles(), QStringList{u"a.zip"_s});
    QCOMPARE(fixture.desktop.trashed, QStringList{fixture.item(u"a.txt"_s)});
    QCOMPARE(fixture.log.entries().size(), 1);
    QCOMPARE(fixture.settings.value(u"BWLastArchive"_s).toString(), fixture.path(u"out/a.zip"_s));
    QVERIFY(!fixture.model.result().has_value());
    QVERIFY(fixture.desktop.emails.isEmpty());
    QVERIFY(fixture.endedCleanly());
}

void MainModelRunTest::progressDelay_showsOnlyWhileTheRunIsGoing() {
    WorkflowFixture fixture;
    QSignalSpy shown(&fixture.model, &MainModel::showProgressChanged);
    const QUrl item = fixture.makeFile(u"x.txt"_s);
    QVERIFY(fixture.runToEnd({item}));
    QCOMPARE(shown.size(), 0);

    // Due at once, it shows while the run waits at the name sheet and goes with the run's end.
    fixture.model.setProgressDelay(std::chrono::milliseconds(0));
    fixture.preferences.setPromptForName(true);
    fixture.model.process({item});
    QTRY_VERIFY(fixture.model.showNameSheet());
    QTRY_VERIFY(fixture.model.showProgress());
    fixture.model.cancelName();
    QVERIFY(fixture.waitForEnd(1));
    QVERIFY(fixture.endedCleanly());
    QVERIFY(fixture.dialogs.errors.isEmpty());
}

QTEST_GUILESS_MAIN(MainModelRunTest)
#include "tst_mainmodel_run.moc"
