#include "Translations.h"
#include "engine/CompressionError.h"
#include "support/ArchiveReading.h"
#include "support/ModelFixture.h"
#include "workflow/DestinationResolver.h"
#include "workflow/RunFollowUp.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStandardPaths>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class MainModelTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        // A home of our own: it is a protected location, and the desktop lives in it.
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void checks_firstFailingItemEndsTheRun_data() {
        // "~" is the home folder, "@" the items folder: a.txt, a.zip, b.tgz, the folder c.zip, and
        // docs/secret.txt, which the user cannot read.
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("name"); // the item the alert names, or the archive made
        QTest::newRow("no items") << QStringList{} << u"noItems"_s << QString();
        QTest::newRow("missing first")
            << QStringList{u"@/a.txt"_s, u"@/b.txt"_s, u"/"_s} << u"missing"_s << u"b.txt"_s;
        QTest::newRow("protected first")
            << QStringList{u"/Users"_s, u"@/b.txt"_s} << u"forbidden"_s << u"Users"_s;
        QTest::newRow("own home, dot-dot") << QStringList{u"~/Documents/.."_s} << u"forbidden"_s << u"~"_s;
        QTest::newRow("inside own home") << QStringList{u"~/Documents"_s} << QString() << u"Documents.zip"_s;
        QTest::newRow("compressed skipped, folders kept")
            << QStringList{u"@/a.zip"_s, u"@/c.zip"_s} << QString() << u"c.zip"_s;
        QTest::newRow("all skipped") << QStringList{u"@/a.zip"_s, u"@/b.tgz"_s} << u"allSkipped"_s
                                     << QString();
        QTest::newRow("unreadable file in a folder")
            << QStringList{u"@/docs"_s} << u"unreadable"_s << u"secret.txt"_s;
    }

    void checks_firstFailingItemEndsTheRun() {
        QFETCH(QStringList, paths);
        QFETCH(QString, failure);
        QFETCH(QString, name);
        if (failure == u"unreadable"_s && ::geteuid() == 0)
            QSKIP("root reads everything, and dropping root failed");
        ModelFixture fixture;
        fixture.preferences.setSkipAlreadyCompressed(true);
        fixture.preferences.setTrashOriginals(true);
        fixture.makeFiles({u"a.txt"_s, u"a.zip"_s, u"b.tgz"_s, u"c.zip/inside.txt"_s, u"docs/readme.txt"_s,
                           u"docs/secret.txt"_s});
        QFile::setPermissions(fixture.item(u"docs/secret.txt"_s), QFileDevice::Permissions{});
        QDir(m_home.path()).mkpath(u"Documents"_s);
        const QString home = QDir::cleanPath(m_home.path());
        QList<QUrl> urls;
        for (QString path : paths)
            urls.append(QUrl::fromLocalFile(path.replace(u'~', home).replace(u'@', fixture.item({}))));

        QVERIFY(fixture.runToEnd(urls));
        if (failure.isEmpty()) {
            QVERIFY(fixture.dialogs.errors.isEmpty());
            QCOMPARE(fixture.outFiles(), QStringList{name});
            return;
        }
        QVERIFY(fixture.desktop.trashed.isEmpty());
        QVERIFY(fixture.outFiles().isEmpty());
        QCOMPARE(fixture.dialogs.errors.size(), 1);
        QCOMPARE(fixture.dialogs.errors.first().title, qtTrId("error.title"));
        if (failure == u"unreadable"_s) { // the engine's own words, naming the item
            QVERIFY2(fixture.dialogs.errors.first().message.contains(name),
                     qPrintable(fixture.dialogs.errors.first().message));
            return;
        }
        name.replace(u'~', QFileInfo(home).fileName());
        const CompressionError expected = failure == u"noItems"_s      ? CompressionError::noItems()
                                          : failure == u"allSkipped"_s ? CompressionError::allSkipped()
                                          : failure == u"missing"_s    ? CompressionError::missingItem(name)
                                                                       : CompressionError::forbidden(name);
        QCOMPARE(fixture.dialogs.errorMessages(), QStringList{expected.errorDescription()});
    }

    void uniqueNames_numberTakenNames() {
        ModelFixture fixture;
        fixture.preferences.setIndividualArchives(true);
        QFile(fixture.path(u"out/Report.zip"_s)).open(QIODevice::WriteOnly);
        QDir().mkpath(fixture.path(u"out/Report 2.zip"_s));
        QVERIFY(QFile::link(fixture.path(u"nowhere"_s), fixture.path(u"out/Report 3.zip"_s)));

        QVERIFY(fixture.runToEnd(fixture.makeFiles({u"Report.pdf"_s, u"a.txt"_s, u"a.png"_s})));

        QCOMPARE(fixture.outFiles(), (QStringList{u"Report 2.zip"_s, u"Report 3.zip"_s, u"Report 4.zip"_s,
                                                  u"Report.zip"_s, u"a 2.zip"_s, u"a.zip"_s}));
        QVERIFY(!QFileInfo::exists(fixture.path(u"nowhere"_s)));
        QCOMPARE(archiveMembers(fixture.path(u"out/a 2.zip"_s)), QByteArrayList{"a.png"});
    }

    void destination_andTrash_data() {
        // Items: the folder A/sub and the file B/y.txt, one archive each, originals to the Trash.
        QTest::addColumn<ArchiveDestination>("destination");
        QTest::addColumn<QString>("setting");  // the archive folder, or the folder the panel answers
        QTest::addColumn<QString>("archives"); // where they are made; empty: nowhere
        QTest::addColumn<QStringList>("trashed");
        const QStringList both{u"A/sub"_s, u"B/y.txt"_s};
        using D = ArchiveDestination;
        QTest::newRow("first item's folder") << D::sameFolder << QString() << u"items/A"_s << both;
        QTest::newRow("asked once per run") << D::ask << u"chosen"_s << u"chosen"_s << both;
        QTest::newRow("panel cancelled") << D::ask << QString() << QString() << QStringList{};
        QTest::newRow("archive folder made") << D::archiveFolder << u"deep/er/"_s << u"deep/er"_s << both;
        QTest::newRow("archive folder a file")
            << D::archiveFolder << u"items/B/y.txt"_s << QString() << QStringList{};
        QTest::newRow("item holding the archive stays") << D::archiveFolder << u"items/A/sub/zips"_s
                                                        << u"items/A/sub/zips"_s << QStringList{u"B/y.txt"_s};
    }

    void destination_andTrash() {
        QFETCH(ArchiveDestination, destination);
        QFETCH(QString, setting);
        QFETCH(QString, archives);
        QFETCH(QStringList, trashed);
        ModelFixture fixture;
        fixture.preferences.setDestination(destination);
        fixture.preferences.setIndividualArchives(true);
        fixture.preferences.setTrashOriginals(true);
        fixture.preferences.setArchiveFolderPath(fixture.path(setting));
        QDir().mkpath(fixture.path(u"chosen"_s));
        if (!setting.isEmpty())
            fixture.dialogs.folderAnswers = {QUrl::fromLocalFile(fixture.path(setting))};
        fixture.makeFiles({u"A/sub/x.txt"_s, u"B/y.txt"_s});

        QVERIFY(fixture.runToEnd({fixture.itemUrl(u"A/sub"_s), fixture.itemUrl(u"B/y.txt"_s)}));

        QCOMPARE(fixture.dialogs.folderPrompts.size(), destination == ArchiveDestination::ask ? 1 : 0);
        const bool failed = archives.isEmpty() && destination != ArchiveDestination::ask;
        QCOMPARE(fixture.dialogs.errorMessages(),
                 failed ? QStringList{CompressionError::folderCreate().errorDescription()} : QStringList{});
        if (!archives.isEmpty())
            QCOMPARE(QDir(fixture.path(archives)).entryList({u"*.zip"_s}),
                     (QStringList{u"sub.zip"_s, u"y.zip"_s}));
        QCOMPARE(fixture.model.result().has_value(), !archives.isEmpty());
        QByteArrayList trashedPaths;
        for (const QString& item : trashed)
            trashedPaths.append(QFile::encodeName(fixture.item(item)));
        QCOMPARE(fixture.desktop.trashed, trashedPaths);
    }

    // "~/" is the home folder; a relative or empty path is refused before anything is made.
    void archiveFolder_typedPath_isAnchoredOrRefused() {
        const QString archives = QDir::homePath() + u"/Archives"_s;
        QDir::setCurrent(QDir::homePath());
        QDir(archives).removeRecursively();
        for (const QString& typed : {u"Archives"_s, QString()})
            QVERIFY_THROWS_EXCEPTION(CompressionError, DestinationResolver::archiveFolderURL(typed));
        QVERIFY(!QFileInfo::exists(archives));
        QCOMPARE(DestinationResolver::archiveFolderURL(u"~/Archives"_s), QUrl::fromLocalFile(archives));
        QVERIFY(QFileInfo(archives).isDir());
    }

    void showLastArchive_revealsItOrSaysWhy_data() {
        QTest::addColumn<QString>("recorded"); // the last archive; empty: never recorded
        QTest::addColumn<QString>("error");    // empty: revealed
        QTest::newRow("none yet") << QString() << u"error.noLast"_s;
        QTest::newRow("moved away") << u"gone.zip"_s << u"error.missingLast"_s;
        QTest::newRow("still there") << u"items/kept.zip"_s << QString();
    }

    void showLastArchive_revealsItOrSaysWhy() {
        QFETCH(QString, recorded);
        QFETCH(QString, error);
        ModelFixture fixture;
        fixture.makeFiles({u"kept.zip"_s});
        if (!recorded.isEmpty())
            fixture.preferences.setLastArchive(fixture.path(recorded));

        QCoro::waitFor(fixture.model.showLastArchive());

        QCOMPARE(fixture.dialogs.errorMessages(),
                 error.isEmpty() ? QStringList{} : QStringList{qtTrId(error.toUtf8().constData())});
        const QList<QList<QUrl>> revealed{{QUrl::fromLocalFile(fixture.path(recorded))}};
        QCOMPARE(fixture.desktop.revealed, error.isEmpty() ? revealed : QList<QList<QUrl>>{});
    }

    // Two archives of a run, sparse files of the given total; over 20,000,000 bytes the e-mail
    // action asks before attaching them.
    void email_largeArchives_askToAttachOrReveal_data() {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<bool>("attach"); // the answer, when asked
        QTest::addColumn<bool>("boxTicked");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("attached"); // else revealed
        QTest::addColumn<bool>("storedAfter");
        QTest::newRow("at the limit") << 20'000'000LL << false << false << false << false << true << false;
        QTest::newRow("over, attach") << 20'000'001LL << false << true << false << true << true << false;
        QTest::newRow("over, attach, never again")
            << 20'000'001LL << false << true << true << true << true << true;
        QTest::newRow("over, reveal, box ticked")
            << 20'000'001LL << false << false << true << true << false << false;
        QTest::newRow("suppressed") << 20'000'001LL << true << false << false << false << true << true;
    }

    void email_largeArchives_askToAttachOrReveal() {
        QFETCH(qint64, total);
        QFETCH(bool, suppressed);
        QFETCH(bool, attach);
        QFETCH(bool, boxTicked);
        QFETCH(bool, asked);
        QFETCH(bool, attached);
        QFETCH(bool, storedAfter);
        ModelFixture fixture;
        if (suppressed)
            fixture.settings.setValue(u"BWSuppressLargeMail"_s, true);
        fixture.dialogs.confirmationAnswers = {{attach, boxTicked}};
        RunFollowUp followUp(fixture.preferences, fixture.log);
        followUp.begin();
        QList<QUrl> archives;
        for (const qint64 size : {total / 2, total - total / 2}) {
            QFile archive(fixture.path(u"out/%1.zip"_s.arg(archives.size())));
            QVERIFY(archive.open(QIODevice::WriteOnly) && archive.resize(size));
            archives.append(QUrl::fromLocalFile(archive.fileName()));
            followUp.archiveCompleted(archives.last(), ArchiveFormat::zip);
        }

        const std::optional<ArchiveResult> result = QCoro::waitFor(followUp.runCompleted(
            ArchiveAction::email, fixture.dialogs, fixture.desktop, CancellationToken()));

        QCOMPARE(result, std::optional(ArchiveResult{archives}));
        QCOMPARE(fixture.dialogs.confirmationRequests.size(), asked ? 1 : 0);
        const QList<QList<QUrl>> handedOver{archives};
        QCOMPARE(fixture.desktop.emails, attached ? handedOver : QList<QList<QUrl>>{});
        QCOMPARE(fixture.desktop.revealed, attached ? QList<QList<QUrl>>{} : handedOver);
        QCOMPARE(fixture.settings.value(u"BWSuppressLargeMail"_s).toBool(), storedAfter);
        if (!asked)
            return;
        const ConfirmationAlert::Request& request = fixture.dialogs.confirmationRequests.first();
        QVERIFY2(request.message->contains(u"20.0\u00a0MB"_s), qPrintable(*request.message)); // both archives
        QCOMPARE(request.confirmButton, qtTrId("email.tooLarge.attach"));
        QCOMPARE(request.cancelButton, qtTrId("email.tooLarge.reveal"));
    }

    // The confirmation says which of the two encryptions the zip will get.
    void encryptedZipConfirmation_namesTheChosenEncryption_data() {
        QTest::addColumn<bool>("strong");
        QTest::addColumn<QString>("message");
        QTest::newRow("traditional") << false << qtTrId("confirm.encryptedZip.body");
        QTest::newRow("AES-256") << true << qtTrId("confirm.encryptedZip.bodyStrong");
    }
    void encryptedZipConfirmation_namesTheChosenEncryption() {
        QFETCH(bool, strong);
        ModelFixture fixture;
        fixture.preferences.setStrongZipEncryption(strong);
        fixture.preferences.setActionFormat(ArchiveFormat::encryptedZip, ArchiveAction::compress);
        QVERIFY(fixture.runToEnd({fixture.makeFile(u"notes.txt"_s)})); // declined: nothing is made
        QCOMPARE(fixture.dialogs.confirmationRequests.size(), 1);
        QTEST(fixture.dialogs.confirmationRequests.first().message.value_or(QString()), "message");
        QCOMPARE(fixture.outFiles(), QStringList());
    }

    void prompts_validateThenCloseOrEnd_data() {
        QTest::addColumn<ArchiveFormat>("format"); // an encrypted one asks for a password, zip for a name
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("ending"); // empty: accepted; cancel or stop after the refusal; decline
                                             // the encryption alert before any sheet; fail after the sheet
        const ArchiveFormat name = ArchiveFormat::zip;
        const ArchiveFormat zip = ArchiveFormat::encryptedZip;
        const QString empty = qtTrId("password.empty");
        const QString mismatch = qtTrId("password.mismatch");
        const QString lineEnd = qtTrId("password.invalidCharacter");
        QTest::newRow("name, blanks around")
            << name << u" Holiday.zip\n"_s << QString() << QString() << QString();
        QTest::newRow("name, slash") << name << u"a/b"_s << QString() << QString() << u"stop"_s;
        QTest::newRow("name, blanks only") << name << u" \t "_s << QString() << QString() << u"cancel"_s;
        QTest::newRow("password, blanks") << zip << u"   "_s << u"   "_s << QString() << QString();
        // é typed precomposed once and as e + combining acute once.
        QTest::newRow("password, canonically equal")
            << zip << u"caf\u00e9"_s << u"cafe\u0301"_s << QString() << QString();
        QTest::newRow("password, empty") << zip << QString() << u"x"_s << empty << u"cancel"_s;
        QTest::newRow("password, one off") << zip << u"secret1"_s << u"secret2"_s << mismatch << u"stop"_s;
        // Either tool would take the password only up to the line feed.
        QTest::newRow("password, line feed")
            << zip << u"abc\ndefgh"_s << u"abc\ndefgh"_s << lineEnd << u"cancel"_s;
        QTest::newRow("zip password, longer than the zip writer reads")
            << zip << QString(ArchiveBuilder::longestPassword + 1, u'a')
            << QString(ArchiveBuilder::longestPassword + 1, u'a') << QString() << u"fail"_s;
        QTest::newRow("encryption declined") << zip << QString() << QString() << QString() << u"decline"_s;
    }

    void prompts_validateThenCloseOrEnd() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, typed);
        QFETCH(QString, confirmation);
        QFETCH(QString, error);
        QFETCH(QString, ending);
        const bool password = isEncrypted(format);
        ModelFixture fixture;
        MainModel& model = fixture.model;
        NamePrompt& namePrompt = model.namePrompt();
        PasswordPrompt& passwordPrompt = model.passwordPrompt();
        fixture.preferences.setPromptForName(!password);
        fixture.preferences.setActionFormat(format, ArchiveAction::compress);
        fixture.dialogs.fallbackConfirmation = {ending != u"decline"_s, false};
        const QList<QUrl> items = fixture.makeFiles({u"x.txt"_s, u"y.txt"_s, u"z.txt"_s});
        const auto sheetShown = [&] { return password ? passwordPrompt.isShown() : namePrompt.isShown(); };
        QStringList progress;
        QObject::connect(&model, &MainModel::progressTextChanged, &model,
                         [&] { progress << model.progressText(); });
        model.process(items.first(2));
        fixture.clock.advance(1s); // the progress display is due
        if (ending != u"decline"_s) {
            QTRY_VERIFY(sheetShown());
            QTRY_VERIFY(model.progress().showProgress()); // due at once, it shows behind the sheet
            QCOMPARE(::prctl(PR_GET_DUMPABLE), password ? 0 : 1);
            if (!password)
                QCOMPARE(namePrompt.proposedName(), u"Compressed Archive"_s);
            model.process({items.last()}); // busy: dropped
            password ? passwordPrompt.setPassword(typed) : namePrompt.setProposedName(typed);
            passwordPrompt.setConfirmPassword(confirmation);
            password ? passwordPrompt.submit() : namePrompt.submit();
            QCOMPARE(passwordPrompt.error(), error);
        }
        if (ending == u"cancel"_s || ending == u"stop"_s) {
            QTest::qWait(0); // queued events only: the check is that they change nothing
            QVERIFY(sheetShown() && model.isBusy());
            if (ending == u"stop"_s)
                model.stop();
            else
                password ? passwordPrompt.cancel() : namePrompt.cancel();
        }
        QVERIFY(!sheetShown());
        QVERIFY(fixture.waitForEnd(0));
        // Whatever the ending, no password lingers and the process may be dumped again.
        QVERIFY(passwordPrompt.password().isEmpty() && passwordPrompt.confirmPassword().isEmpty());
        QCOMPARE(::prctl(PR_GET_DUMPABLE), 1);
        QCOMPARE(fixture.dialogs.confirmationRequests.size(), password ? 1 : 0);
        QCOMPARE(fixture.dialogs.errors.size(), ending == u"fail"_s ? 1 : 0);
        QCOMPARE(model.result().has_value(), ending.isEmpty());
        const QString name = password ? u"Compressed Archive"_s : u"Holiday.zip"_s;
        QCOMPARE(fixture.outFiles(), ending.isEmpty() ? QStringList{name + u".zip"_s} : QStringList{});
        if (ending.isEmpty()) {
            QCOMPARE(progress, (QStringList{qtTrId("progress.archivingItems").arg(u"2"_s, name), QString()}));
            QCOMPARE(zipMember(fixture.path(u"out/"_s + name + u".zip"_s), u"y.txt"_s,
                               password ? typed : QString()),
                     QByteArray("y.txt"));
        }

        // Late answers reach no run; the next run's password sheet starts empty.
        model.stop();
        namePrompt.submit();
        passwordPrompt.cancel();
        QTest::qWait(0); // queued events only: the check is that they start nothing
        QCOMPARE(fixture.finished.size(), 1);
        if (!password || ending == u"decline"_s)
            return;
        model.process(items);
        QTRY_VERIFY(passwordPrompt.isShown());
        QVERIFY(passwordPrompt.password().isEmpty() && passwordPrompt.confirmPassword().isEmpty() &&
                passwordPrompt.error().isEmpty());
        passwordPrompt.cancel();
        QVERIFY(fixture.waitForEnd(1));
    }

    void threeItems_oneArchiveEach_data() {
        QTest::addColumn<QByteArray>("zipSnippet");
        QTest::addColumn<QString>("stopWhen");
        QTest::addColumn<QStringList>("archives"); // in the order made
        QTest::addColumn<QString>("error");
        const QStringList all{u"c.zip"_s, u"b.zip"_s, u"a.zip"_s};
        QTest::newRow("all made") << QByteArray() << QString() << all << QString();
        // A stand-in for zip that refuses the staged b.txt.
        QTest::newRow("the second fails")
            << QByteArray("if [ -e b.txt ]; then echo 'b.txt: refused' >&2; exit 1; fi") << QString()
            << all.first(1) << u"b.txt: refused"_s;
        QTest::newRow("stopped between archives")
            << QByteArray() << u"recorded"_s << all.first(1) << QString();
    }

    void threeItems_oneArchiveEach() {
        QFETCH(QByteArray, zipSnippet);
        QFETCH(QString, stopWhen);
        QFETCH(QStringList, archives);
        QFETCH(QString, error);
        ModelFixture fixture(zipSnippet);
        MainModel& model = fixture.model;
        fixture.preferences.setSelectedAction(ArchiveAction::email);
        fixture.preferences.setIndividualArchives(true);
        fixture.preferences.setPromptForName(true); // never asked for single archives
        fixture.preferences.setTrashOriginals(true);
        bool busyBehindAlert = false;
        fixture.dialogs.onError = [&](const auto&) { busyBehindAlert = model.isBusy(); };
        if (stopWhen == u"recorded"_s) // the next archive has not started yet
            QObject::connect(&fixture.log, &ArchiveLogStore::entriesChanged, &model, [&] { model.stop(); });
        QStringList progress;
        QObject::connect(&model, &MainModel::progressTextChanged, &model,
                         [&] { progress << model.progressText(); });

        QVERIFY(fixture.runToEnd(fixture.makeFiles({u"c.txt"_s, u"b.txt"_s, u"a.txt"_s})));

        QCOMPARE(fixture.dialogs.errorMessages(), error.isEmpty() ? QStringList{} : QStringList{error});
        QCOMPARE(busyBehindAlert, !error.isEmpty()); // the run ends once the alert is dismissed
        QList<QUrl> urls;
        for (const QString& archive : archives)
            urls.append(QUrl::fromLocalFile(fixture.path(u"out/"_s + archive)));
        QCOMPARE(fixture.outFiles().size(), archives.size());
        QCOMPARE(fixture.log.entries().size(), archives.size());
        QCOMPARE(fixture.desktop.trashed.size(), archives.size());
        const bool complete = archives.size() == 3;
        QCOMPARE(model.result(), complete ? std::optional(ArchiveResult{urls}) : std::nullopt);
        QCOMPARE(fixture.desktop.emails, complete ? QList<QList<QUrl>>{urls} : QList<QList<QUrl>>{});
        if (complete) {
            const QString one = qtTrId("progress.archivingItem");
            const QString reading = qtTrId("progress.verifying"); // each is read back before the Trash
            QCOMPARE(progress,
                     (QStringList{one.arg(u"c.txt"_s, u"c"_s), reading.arg(u"c.zip"_s),
                                  one.arg(u"b.txt"_s, u"b"_s), reading.arg(u"b.zip"_s),
                                  one.arg(u"a.txt"_s, u"a"_s), reading.arg(u"a.zip"_s), QString()}));
        }
        if (stopWhen != u"recorded"_s)
            return;
        // The stop belonged to that run only.
        QObject::disconnect(&fixture.log, nullptr, &model, nullptr);
        QVERIFY(fixture.runToEnd({fixture.itemUrl(u"b.txt"_s)}));
        QCOMPARE(fixture.outFiles(), (QStringList{u"b.zip"_s, u"c.zip"_s}));
    }

    // Files opened while a run is busy wait for it, in order, and the progress line counts them.
    void processWhenIdle_whileBusy_runsLaterInOrder() {
        ModelFixture fixture(
            "n=0; while [ ! -e \"$0.go\" ] && [ $n -lt 600 ]; do sleep 0.05; n=$((n+1)); done");
        MainModel& model = fixture.model;
        const QList<QUrl> files = fixture.makeFiles({u"a.txt"_s, u"b.txt"_s, u"c.txt"_s});
        model.processWhenIdle({files[0]});
        model.processWhenIdle({files[1]});
        model.processWhenIdle({files[2]});
        QCOMPARE(model.waitingRuns(), 2);
        QTRY_VERIFY(model.progressText().endsWith(u'\n' + qtTrId("progress.waiting").arg(2)));
        QFile(fixture.path(u"zip.go"_s)).open(QIODevice::WriteOnly);
        QVERIFY(fixture.waitForEnd(2));
        QCOMPARE(fixture.outFiles(), (QStringList{u"a.zip"_s, u"b.zip"_s, u"c.zip"_s}));
        QCOMPARE(fixture.log.entries().size(), 3);
        QCOMPARE(fixture.dialogs.errorMessages(), QStringList{});
    }

    void completeRun_eachActionAndFormat_archiveReadsBack_data() {
        QTest::addColumn<ArchiveAction>("action");
        QTest::addColumn<ArchiveFormat>("format");
        // What an action does and what a format does are apart: each appears once.
        QTest::newRow("compress, zip") << ArchiveAction::compress << ArchiveFormat::zip;
        QTest::newRow("email, encrypted zip") << ArchiveAction::email << ArchiveFormat::encryptedZip;
        QTest::newRow("archive, tar.gz") << ArchiveAction::archive << ArchiveFormat::gzip;
    }

    void completeRun_eachActionAndFormat_archiveReadsBack() {
        QFETCH(ArchiveAction, action);
        QFETCH(ArchiveFormat, format);
        ModelFixture fixture;
        fixture.preferences.setSelectedAction(action);
        fixture.preferences.setActionFormat(format, action);
        fixture.preferences.setDestination(ArchiveDestination::desktop);
        fixture.preferences.setOmitFinderFiles(true);
        fixture.dialogs.fallbackConfirmation = {true, false};
        PasswordPrompt& prompt = fixture.model.passwordPrompt();
        QObject::connect(&prompt, &PasswordPrompt::isShownChanged, &prompt, [&] {
            if (prompt.isShown()) {
                prompt.setPassword(u"pa55 wörd"_s);
                prompt.setConfirmPassword(u"pa55 wörd"_s);
                prompt.submit();
            }
        });
        QDir(m_home.path()).removeRecursively(); // the missing Desktop is made
        const QDateTime started = QDateTime::currentDateTime();

        const QList<QUrl> files =
            fixture.makeFiles({u"notes.txt"_s, u"photos/a.jpg"_s, u"photos/.DS_Store"_s});
        QVERIFY(fixture.runToEnd({files.first(), fixture.itemUrl(u"photos"_s)}));

        QVERIFY2(fixture.dialogs.errors.isEmpty(), qPrintable(fixture.dialogs.errorMessages().join(u'\n')));
        QCOMPARE(fixture.dialogs.confirmationRequests.size(), isEncrypted(format) ? 1 : 0);
        QVERIFY(fixture.model.result().has_value());
        const QString archive = fixture.model.result()->urls.value(0).toLocalFile();
        // The archive action uses the archive folder, keeps everything and names the archive after
        // the minute the run started (which a slow machine may have left).
        QString name = u"Compressed Archive"_s;
        QByteArrayList members{"notes.txt", "photos", "photos/a.jpg"};
        if (action == ArchiveAction::archive) {
            name = QFileInfo(archive).fileName().chopped(fileExtension(format).size() + 1);
            QVERIFY2(name == u"Archive "_s + started.toString(u"yyyy-MM-dd HH.mm"_s) ||
                         name == u"Archive "_s + QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH.mm"_s),
                     qPrintable(name));
            members.insert(2, "photos/.DS_Store");
        }
        const QString folder =
            action == ArchiveAction::archive ? fixture.path(u"out"_s) : m_home.filePath(u"Desktop"_s);
        QCOMPARE(archive, QDir(folder).filePath(name + u'.' + fileExtension(format)));
        QCOMPARE(archiveMembers(archive), members);
        if (isEncrypted(format)) {
            QVERIFY(zipMember(archive, u"notes.txt"_s).isEmpty());
            QCOMPARE(zipMember(archive, u"notes.txt"_s, u"pa55 wörd"_s), QByteArray("notes.txt"));
        }
        QCOMPARE(fixture.desktop.emails, action == ArchiveAction::email
                                             ? QList<QList<QUrl>>{{QUrl::fromLocalFile(archive)}}
                                             : QList<QList<QUrl>>{});
        QCOMPARE(fixture.log.entries().size(), 1);
        QCOMPARE(fixture.log.entries().first().path, archive);
        QCOMPARE(fixture.log.entries().first().format.value_or(-1), rawValue(format));
        QCOMPARE(fixture.settings.value(u"BWLastArchive"_s).toString(), archive);
    }

    // Only what the archive holds goes, once it reads back: all of an item, still the entry that
    // was staged; what stays is named in the result, with the reason.
    void trash_onlyWhatTheArchiveHolds_elseTheResultSaysWhatStayed_data() {
        QTest::addColumn<QString>("change"); // made before the archive is read back
        QTest::addColumn<QStringList>("trashed");
        QTest::addColumn<QStringList>("kept"); // "item reason"
        const QStringList both{u"docs"_s, u"notes.txt"_s};
        QTest::newRow("unchanged: both go") << QString() << both << QStringList{};
        QTest::newRow("a byte of the archive flipped: both stay, with an alert")
            << u"flip"_s << QStringList{} << QStringList{};
        QTest::newRow("a socket in the folder: the folder stays")
            << u"socket"_s << QStringList{u"notes.txt"_s} << QStringList{u"docs incomplete"_s};
        QTest::newRow("a file replaced after staging: it stays")
            << u"replace"_s << QStringList{u"docs"_s} << QStringList{u"notes.txt changed"_s};
        QTest::newRow("no Trash for them: both stay")
            << u"no Trash"_s << both << QStringList{u"docs noTrash"_s, u"notes.txt noTrash"_s};
    }
    void trash_onlyWhatTheArchiveHolds_elseTheResultSaysWhatStayed() {
        QFETCH(QString, change);
        QFETCH(QStringList, trashed);
        QFETCH(QStringList, kept);
        ModelFixture fixture;
        fixture.preferences.setTrashOriginals(true);
        fixture.preferences.setActionFormat(ArchiveFormat::gzip, ArchiveAction::compress);
        fixture.desktop.trashWorks = change != u"no Trash"_s;
        const QList<QUrl> urls = fixture.makeFiles({u"docs/report.txt"_s, u"notes.txt"_s, u"other.txt"_s});
        if (change == u"socket"_s) {
            sockaddr_un address{AF_UNIX, {}};
            qstrncpy(address.sun_path, QFile::encodeName(fixture.item(u"docs/socket"_s)).constData(),
                     sizeof address.sun_path);
            const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
            ::close(socket);
        }
        fixture.model.setBeforeReadBack([&](const QString& archive) {
            if (change == u"replace"_s)
                ::rename(QFile::encodeName(fixture.item(u"other.txt"_s)).constData(),
                         QFile::encodeName(fixture.item(u"notes.txt"_s)).constData());
            if (change == u"flip"_s)
                flipByte(archive, QFileInfo(archive).size() / 2);
        });
        QVERIFY(fixture.runToEnd({fixture.itemUrl(u"docs"_s), urls[1]}));

        QCOMPARE(fixture.outFiles(), QStringList{u"Compressed Archive.tar.gz"_s});
        QCOMPARE(fixture.dialogs.errors.size(), change == u"flip"_s ? 1 : 0);
        QByteArrayList trashedPaths;
        for (const QString& item : trashed)
            trashedPaths.append(QFile::encodeName(fixture.item(item)));
        QCOMPARE(fixture.desktop.trashed, trashedPaths);
        QStringList keptItems;
        for (const ArchiveResult::KeptItem& item : fixture.model.result().value_or(ArchiveResult{}).kept)
            keptItems.append(item.item.fileName() + u' ' +
                             QStringList{u"noTrash"_s, u"changed"_s, u"incomplete"_s}.at(int(item.reason)));
        QCOMPARE(keptItems, kept);
    }
    // End to end with a real tool, checking only what holds at any speed: figures that rise and end
    // at 100, or none when nothing can be counted.
    void progress_followsWhatTheToolReads_orStaysIndeterminate_data() {
        QTest::addColumn<int>("size"); // of the one item; 0: nothing to count, so no figure
        QTest::newRow("1 MB read one byte at a time") << 1'000'000;
        QTest::newRow("an empty file") << 0;
    }
    void progress_followsWhatTheToolReads_orStaysIndeterminate() {
        QFETCH(int, size);
        ModelFixture fixture(size ? "read -r line < big.bin" : "sleep 1");
        const QUrl item = fixture.makeFile(u"big.bin"_s);
        QFile file(item.toLocalFile());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(size, 'x')) == size);
        file.close();
        QList<int> percents;
        QString shown;
        const ProgressPresenter& presenter = fixture.model.progress();
        QObject::connect(&presenter, &ProgressPresenter::figuresChanged, [&] {
            percents.append(presenter.percent());
            shown += QString::number(percents.last()) + u' ';
        });
        QVERIFY(fixture.runToEnd({item}));
        QCOMPARE(presenter.percent(), -1); // idle again
        percents.removeAll(-1);
        QVERIFY2(size ? std::is_sorted(percents.begin(), percents.end()) &&
                            percents.value(percents.size() - 1) == 100
                      : percents.isEmpty(),
                 qPrintable(shown));
    }
};

int main(int argc, char* argv[]) {
    // Root reads everything, so a run as root goes on as "nobody", before any thread exists. That
    // makes the process undumpable, which would keep the leak checker out.
    if (::geteuid() == 0 && ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
        ::prctl(PR_SET_DUMPABLE, 1);
    QCoreApplication application(argc, argv);
    MainModelTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainmodel.moc"
