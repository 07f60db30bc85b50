#include "app/LaunchLocation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestLaunchLocation : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QStringList m_folders;

    QString path(const QString& relative) const { return m_root.filePath(relative); }

    void makeExecutable(const QString& relative) {
        QVERIFY(QDir().mkpath(QFileInfo(path(relative)).absolutePath()));
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void makeLink(const QString& target, const QString& linkRelative) {
        QVERIFY(QDir().mkpath(QFileInfo(path(linkRelative)).absolutePath()));
        QVERIFY(QFile::link(path(target), path(linkRelative)));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        for (const char* executable :
             {"usr/bin/balewick", "usr/local/bin/balewick", "opt/balewick/bin/balewick",
              "home/.local/bin/balewick", "home/Applications/Balewick/balewick", "usr2/bin/balewick",
              "optional/bin/balewick", "home/src/balewick/build/src/balewick",
              "home/.localother/bin/balewick"})
            makeExecutable(QString::fromLatin1(executable));
        makeLink(QStringLiteral("usr/bin/balewick"), QStringLiteral("home/bin/balewick"));
        makeLink(QStringLiteral("home/src/balewick/build/src/balewick"),
                 QStringLiteral("usr/bin/balewick-dev"));
        makeLink(QStringLiteral("usr"), QStringLiteral("usrlink"));
        m_folders = {path(QStringLiteral("usr")), path(QStringLiteral("opt")),
                     path(QStringLiteral("home/.local")), path(QStringLiteral("home/Applications"))};
    }

    void isInApplicationsFolder_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<bool>("inside");

        QTest::newRow("system prefix") << "usr/bin/balewick" << true;
        QTest::newRow("deeper below /usr") << "usr/local/bin/balewick" << true;
        QTest::newRow("under /opt") << "opt/balewick/bin/balewick" << true;
        QTest::newRow("user prefix") << "home/.local/bin/balewick" << true;
        QTest::newRow("user Applications") << "home/Applications/Balewick/balewick" << true;
        QTest::newRow("name only starts like /usr") << "usr2/bin/balewick" << false;
        QTest::newRow("name only starts like /opt") << "optional/bin/balewick" << false;
        QTest::newRow("name only starts like ~/.local") << "home/.localother/bin/balewick" << false;
        QTest::newRow("build tree") << "home/src/balewick/build/src/balewick" << false;
        QTest::newRow("symlink into /usr") << "home/bin/balewick" << true;
        QTest::newRow("symlink in /usr to a build tree") << "usr/bin/balewick-dev" << false;
        QTest::newRow("through a symlinked folder") << "usrlink/bin/balewick" << true;
        QTest::newRow("dot-dot out of /usr") << "usr/../usr2/bin/balewick" << false;
    }

    void isInApplicationsFolder() {
        QFETCH(QString, executable);
        QFETCH(bool, inside);
        QCOMPARE(LaunchLocation::isInApplicationsFolder(path(executable), m_folders), inside);
    }

    void isInApplicationsFolder_folderGivenThroughSymlink_passes() {
        QVERIFY(LaunchLocation::isInApplicationsFolder(path(QStringLiteral("usr/bin/balewick")),
                                                       {path(QStringLiteral("usrlink"))}));
        QVERIFY(LaunchLocation::isInApplicationsFolder(path(QStringLiteral("usr/bin/balewick")),
                                                       {path(QStringLiteral("usr/"))}));
    }

    void isInApplicationsFolder_noUsableFolder_fails() {
        const QString executable = path(QStringLiteral("usr/bin/balewick"));
        QVERIFY(!LaunchLocation::isInApplicationsFolder(executable, {}));
        // An empty entry must not turn into "/" and admit every path.
        QVERIFY(!LaunchLocation::isInApplicationsFolder(executable, {QString()}));
        QVERIFY(!LaunchLocation::isInApplicationsFolder(QString(), m_folders));
    }

    void executablePath_buildTree_failsTheCheck() {
        QCOMPARE(LaunchLocation::executablePath(),
                 QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
        if (LaunchLocation::executablePath().startsWith(QStringLiteral("/usr/")))
            QSKIP("the test suite itself is installed under /usr");
        QVERIFY(!LaunchLocation::isInApplicationsFolder(LaunchLocation::executablePath(),
                                                        LaunchLocation::applicationsFolderPaths()));
    }
};

QTEST_GUILESS_MAIN(TestLaunchLocation)
#include "tst_launchlocation.moc"
