#include "WorkflowFixture.h"

#include "Translations.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Items the user cannot read. Root reads everything, so a test run as root continues as "nobody".
class MainModelUnreadableTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void initTestCase() {
        if (::geteuid() == 0)
            QSKIP("permissions cannot be tested as root, and dropping root failed");
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        QVERIFY(m_home.isValid());
        qputenv("HOME", m_home.path().toLocal8Bit());
    }

    void unreadableItem_failsTheRunNamingIt_andTrashesNothing_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("locked");
        QTest::addColumn<bool>("dropFolder");
        QTest::newRow("file in a folder, zip") << ArchiveFormat::zip << u"docs/secret.txt"_s << true;
        QTest::newRow("file in a folder, gzip") << ArchiveFormat::gzip << u"docs/secret.txt"_s << true;
        QTest::newRow("folder in a folder") << ArchiveFormat::zip << u"docs/private"_s << true;
        QTest::newRow("the dropped file itself") << ArchiveFormat::tar << u"docs/secret.txt"_s << false;
    }

    void unreadableItem_failsTheRunNamingIt_andTrashesNothing() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, locked);
        QFETCH(bool, dropFolder);
        WorkflowFixture fixture;
        fixture.preferences.setActionFormat(format, ArchiveAction::compress);
        fixture.preferences.setTrashOriginals(true);
        const QUrl readme =
            fixture.makeFiles({u"docs/readme.txt"_s, u"docs/secret.txt"_s, u"docs/private/key.txt"_s})
                .first();
        QVERIFY(QFile::setPermissions(fixture.item(locked), QFileDevice::Permissions{}));
        const QList<QUrl> items = dropFolder ? QList<QUrl>{fixture.itemUrl(u"docs"_s)}
                                             : QList<QUrl>{readme, fixture.itemUrl(u"docs/secret.txt"_s)};

        QVERIFY(fixture.runToEnd(items));
        QFile::setPermissions(fixture.item(locked),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        QCOMPARE(fixture.dialogs.errors.size(), 1);
        QVERIFY2(fixture.dialogs.errors.first().message.contains(QFileInfo(locked).fileName()),
                 qPrintable(fixture.dialogs.errors.first().message));
        QVERIFY(fixture.desktop.trashed.isEmpty());
        QVERIFY(fixture.outFiles().isEmpty());
        QVERIFY(fixture.log.entries().isEmpty());
        QVERIFY(!fixture.model.result().has_value());
        QVERIFY(fixture.endedCleanly());
    }
};

int main(int argc, char* argv[]) {
    // Before any thread exists, so every thread of the test runs as the same user.
    if (::geteuid() == 0) {
        const gid_t nobodyGroup = 65534;
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) == 0 && ::setgid(nobodyGroup) == 0 && ::setuid(nobody) == 0) {
            // Changing users makes the process undumpable, which keeps the leak checker out of it.
            ::prctl(PR_SET_DUMPABLE, 1);
        }
    }
    QCoreApplication application(argc, argv);
    MainModelUnreadableTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainmodel_unreadable.moc"
