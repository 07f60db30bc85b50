#include "WorkflowFixture.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

class MainModelPromptsTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void submitName_trimsAndRefusesUnusableNames_data();
    void submitName_trimsAndRefusesUnusableNames();
    void submitPassword_validatesBeforeClosing_data();
    void submitPassword_validatesBeforeClosing();
    void passwordPrompt_nextRunStartsWithEmptyFields();
    void answeringWithoutAWaitingRun_onlyClosesTheSheet();
    void stop_atEitherPrompt_endsTheRunSilently_data();
    void stop_atEitherPrompt_endsTheRunSilently();
    void stop_whileTheToolRuns_endsSilentlyWithoutArchive();
    void stop_betweenArchives_keepsTheFinishedOne();
    void addItems_processesThePanelsChoice();
    void showLastArchive_revealsOrExplains();
    void destroyingTheModel_whileARunWaits_leavesTheRunHarmless();

private:
    QTemporaryDir m_home;
};

void MainModelPromptsTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    Translations::install(*QCoreApplication::instance());
    QVERIFY(m_home.isValid());
    qputenv("HOME", m_home.path().toLocal8Bit());
}

void MainModelPromptsTest::submitName_trimsAndRefusesUnusableNames_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("archive");
    QTest::newRow("blanks around") << u"  Holiday \n"_s << u"Holiday.zip"_s;
    QTest::newRow("slash") << u"a/b"_s << QString();
    QTest::newRow("colon") << u"a:b"_s << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << u" \t "_s << QString();
}

void MainModelPromptsTest::submitName_trimsAndRefusesUnusableNames() {
    QFETCH(QString, typed);
    QFETCH(QString, archive);
    WorkflowFixture fixture;
    fixture.preferences.setPromptForName(true);
    fixture.model.process({fixture.makeFile(u"x.txt"_s)});
    QTRY_VERIFY(fixture.model.showNameSheet());
    QCOMPARE(fixture.model.proposedName(), u"x"_s);

    fixture.model.setProposedName(typed);
    fixture.model.submitName();
    if (archive.isEmpty()) {
        QTest::qWait(0);
        QVERIFY(fixture.model.showNameSheet());
        QVERIFY(fixture.model.isBusy());
        QCOMPARE(fixture.model.proposedName(), typed);
        fixture.model.cancelName();
    }
    QVERIFY(fixture.waitForEnd(0));
    QCOMPARE(fixture.outFiles(), archive.isEmpty() ? QStringList{} : QStringList{archive});
    QVERIFY(!fixture.model.showNameSheet());
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QVERIFY(fixture.endedCleanly());
}

void MainModelPromptsTest::submitPassword_validatesBeforeClosing_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("error");
    QTest::newRow("both empty") << QString() << QString() << qtTrId("password.empty");
    QTest::newRow("confirmation only") << QString() << u"x"_s << qtTrId("password.empty");
    QTest::newRow("one character off") << u"secret1"_s << u"secret2"_s << qtTrId("password.mismatch");
    QTest::newRow("case differs") << u"Secret"_s << u"secret"_s << qtTrId("password.mismatch");
    QTest::newRow("blanks are a password") << u"   "_s << u"   "_s << QString();
    // é typed precomposed once and as e + combining acute once.
    QTest::newRow("canonically equivalent") << u"caf\u00e9"_s << u"cafe\u0301"_s << QString();
}

void MainModelPromptsTest::submitPassword_validatesBeforeClosing() {
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, error);
    WorkflowFixture fixture;
    fixture.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
    fixture.dialogs.fallbackConfirmation = {true, false};
    fixture.model.process({fixture.makeFile(u"x.txt"_s, "inside")});
    QTRY_VERIFY(fixture.model.showPasswordSheet());

    fixture.model.setPassword(password);
    fixture.model.setConfirmPassword(confirmation);
    fixture.model.submitPassword();
    QCOMPARE(fixture.model.passwordError(), error);
    if (!error.isEmpty()) {
        QVERIFY(fixture.model.showPasswordSheet());
        // Corrected, the same sheet closes and the archive takes the password.
        password = confirmation = u"fixed"_s;
        fixture.model.setPassword(password);
        fixture.model.setConfirmPassword(confirmation);
        fixture.model.submitPassword();
    }
    QVERIFY(!fixture.model.showPasswordSheet());
    QVERIFY(fixture.waitForEnd(0));
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QCOMPARE(zipMember(fixture.path(u"out/x.zip"_s), u"x.txt"_s, password), QByteArray("inside"));
}

void MainModelPromptsTest::passwordPrompt_nextRunStartsWithEmptyFields() {
    WorkflowFixture fixture;
    fixture.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
    fixture.dialogs.fallbackConfirmation = {true, false};
    const QUrl item = fixture.makeFile(u"x.txt"_s);
    fixture.model.process({item});
    QTRY_VERIFY(fixture.model.showPasswordSheet());
    fixture.model.setPassword(u"a"_s);
    fixture.model.setConfirmPassword(u"b"_s);
    fixture.model.submitPassword();
    fixture.model.cancelPassword();
    QVERIFY(fixture.waitForEnd(0));
    QCOMPARE(fixture.model.password(), u"a"_s);

    fixture.model.process({item});
    QTRY_VERIFY(fixture.model.showPasswordSheet());
    QVERIFY(fixture.model.password().isEmpty());
    QVERIFY(fixture.model.confirmPassword().isEmpty());
    QVERIFY(fixture.model.passwordError().isEmpty());
    fixture.model.cancelPassword();
    QVERIFY(fixture.waitForEnd(1));
    QVERIFY(fixture.outFiles().isEmpty());
    QVERIFY(fixture.dialogs.errors.isEmpty());
}

void MainModelPromptsTest::answeringWithoutAWaitingRun_onlyClosesTheSheet() {
    WorkflowFixture fixture;
    QSignalSpy nameSheet(&fixture.model, &MainModel::showNameSheetChanged);
    fixture.model.setProposedName(u"Holiday"_s);
    fixture.model.submitName();
    fixture.model.cancelName();
    fixture.model.submitPassword();
    fixture.model.cancelPassword();
    fixture.model.stop();
    QVERIFY(!fixture.model.showNameSheet());
    QVERIFY(!fixture.model.showPasswordSheet());
    QCOMPARE(nameSheet.size(), 0);
    QCOMPARE(fixture.finished.size(), 0);
}

void MainModelPromptsTest::stop_atEitherPrompt_endsTheRunSilently_data() {
    QTest::addColumn<bool>("atPassword");
    QTest::newRow("name sheet") << false;
    QTest::newRow("password sheet") << true;
}

void MainModelPromptsTest::stop_atEitherPrompt_endsTheRunSilently() {
    QFETCH(bool, atPassword);
    WorkflowFixture fixture;
    fixture.preferences.setPromptForName(true);
    if (atPassword)
        fixture.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
    fixture.dialogs.fallbackConfirmation = {true, false};
    fixture.model.process({fixture.makeFile(u"x.txt"_s)});
    QTRY_VERIFY(atPassword ? fixture.model.showPasswordSheet() : fixture.model.showNameSheet());

    fixture.model.stop();
    QVERIFY(!fixture.model.showNameSheet());
    QVERIFY(!fixture.model.showPasswordSheet());
    QVERIFY(fixture.waitForEnd(0));
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QVERIFY(fixture.outFiles().isEmpty());
    QVERIFY(!fixture.model.result().has_value());
    QVERIFY(fixture.endedCleanly());
}

void MainModelPromptsTest::stop_whileTheToolRuns_endsSilentlyWithoutArchive() {
    // A zip that announces itself and then takes its time; terminated, it dies by the signal.
    QTemporaryDir tools;
    const QString started = tools.filePath(u"started"_s);
    const QString zip = tools.filePath(u"zip"_s);
    QFile script(zip);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nsleep 60 & pid=$!\ntrap 'kill $pid; trap - TERM; kill -TERM $$' TERM\n: > '" +
                 started.toLocal8Bit() + "'\nwait $pid\nexec /usr/bin/zip \"$@\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    WorkflowFixture fixture(ArchiveTools{zip, u"/usr/bin/tar"_s, u"/usr/bin/hdiutil"_s});
    fixture.preferences.setIndividualArchives(true);

    fixture.model.process(
        {fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s), fixture.makeFile(u"c.txt"_s)});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(started), 30000);
    fixture.model.stop();

    QVERIFY(fixture.waitForEnd(0));
    QVERIFY2(fixture.dialogs.errors.isEmpty(), qPrintable(fixture.dialogs.errorMessages().join(u'\n')));
    QVERIFY(fixture.outFiles().isEmpty());
    QVERIFY(fixture.log.entries().isEmpty());
    QVERIFY(!fixture.model.result().has_value());
    QVERIFY(fixture.endedCleanly());
}

void MainModelPromptsTest::stop_betweenArchives_keepsTheFinishedOne() {
    WorkflowFixture fixture;
    fixture.preferences.setIndividualArchives(true);
    // The first archive has just been recorded: the next one has not started yet.
    QObject::connect(&fixture.log, &ArchiveLogStore::entriesChanged, &fixture.model,
                     [&] { fixture.model.stop(); });

    QVERIFY(fixture.runToEnd(
        {fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s), fixture.makeFile(u"c.txt"_s)}));

    QCOMPARE(fixture.outFiles(), QStringList{u"a.zip"_s});
    QCOMPARE(fixture.log.entries().size(), 1);
    QVERIFY(fixture.dialogs.errors.isEmpty());
    QVERIFY(!fixture.model.result().has_value());
    QVERIFY(fixture.endedCleanly());

    // The stop belonged to that run only.
    QObject::disconnect(&fixture.log, nullptr, &fixture.model, nullptr);
    QVERIFY(fixture.runToEnd({fixture.itemUrl(u"b.txt"_s)}));
    QCOMPARE(fixture.outFiles(), (QStringList{u"a.zip"_s, u"b.zip"_s}));
}

void MainModelPromptsTest::addItems_processesThePanelsChoice() {
    WorkflowFixture fixture;
    fixture.dialogs.itemAnswers = {{}, {fixture.makeFile(u"x.txt"_s)}};

    QCoro::waitFor(fixture.model.addItems());
    QCOMPARE(fixture.dialogs.itemPrompts, QStringList{qtTrId("main.add")});
    QCOMPARE(fixture.finished.size(), 0);

    QCoro::waitFor(fixture.model.addItems());
    QVERIFY(fixture.waitForEnd(0));
    QCOMPARE(fixture.outFiles(), QStringList{u"x.zip"_s});
}

void MainModelPromptsTest::showLastArchive_revealsOrExplains() {
    WorkflowFixture fixture;
    QCoro::waitFor(fixture.model.showLastArchive());
    QCOMPARE(fixture.dialogs.errorMessages(), QStringList{qtTrId("error.noLast")});

    fixture.preferences.setIndividualArchives(true);
    QVERIFY(fixture.runToEnd({fixture.makeFile(u"a.txt"_s), fixture.makeFile(u"b.txt"_s)}));
    QCoro::waitFor(fixture.model.showLastArchive());
    QCOMPARE(fixture.desktop.revealed,
             QList<QList<QUrl>>{{QUrl::fromLocalFile(fixture.path(u"out/b.zip"_s))}});

    QVERIFY(QFile::remove(fixture.path(u"out/b.zip"_s)));
    QCoro::waitFor(fixture.model.showLastArchive());
    QCOMPARE(fixture.dialogs.errorMessages(),
             (QStringList{qtTrId("error.noLast"), qtTrId("error.missingLast")}));
    QCOMPARE(fixture.desktop.revealed.size(), 1);
}

void MainModelPromptsTest::destroyingTheModel_whileARunWaits_leavesTheRunHarmless() {
    WorkflowFixture fixture;
    fixture.preferences.setPromptForName(true);
    auto model = std::make_unique<MainModel>(fixture.preferences, fixture.log, fixture.builder,
                                             fixture.dialogs, fixture.desktop);
    model->process({fixture.makeFile(u"x.txt"_s)});
    QTRY_VERIFY(model->showNameSheet());

    model.reset();
    // The released prompt resumes the run on the next turn of the event loop; it must find the
    // model gone and end without touching it.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(fixture.outFiles().isEmpty());
    QVERIFY(fixture.dialogs.errors.isEmpty());
}

QTEST_GUILESS_MAIN(MainModelPromptsTest)
#include "tst_mainmodel_prompts.moc"
