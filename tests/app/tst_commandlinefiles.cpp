#include "app/CommandLineFiles.h"

#include <QTest>

class TestCommandLineFiles : public QObject {
    Q_OBJECT

private slots:
    void fileUrls_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("nothing") << QStringList{} << QStringList{};
        QTest::newRow("absolute path")
            << QStringList{"/data/report.txt"} << QStringList{"file:///data/report.txt"};
        QTest::newRow("relative paths against the working folder")
            << QStringList{"notes.txt", "sub/dir/", "../up.txt"}
            << QStringList{"file:///work/here/notes.txt", "file:///work/here/sub/dir", "file:///work/up.txt"};
        QTest::newRow("file URL") << QStringList{"file:///data/with%20space.txt"}
                                  << QStringList{"file:///data/with%20space.txt"};
        QTest::newRow("file URL on localhost")
            << QStringList{"file://localhost/data/a"} << QStringList{"file:///data/a"};
        QTest::newRow("remote and web URLs are not items")
            << QStringList{"file://server/share/a", "https://example.org/a.zip", "sftp://host/b"}
            << QStringList{};
        QTest::newRow("options are skipped")
            << QStringList{"-v", "--reverse", "a", "-"} << QStringList{"file:///work/here/a"};
        QTest::newRow("after -- everything is a path")
            << QStringList{"--", "-strange name", "--"}
            << QStringList{"file:///work/here/-strange%20name", "file:///work/here/--"};
        QTest::newRow("colon in a plain name is not a scheme")
            << QStringList{"a:b.txt"} << QStringList{"file:///work/here/a:b.txt"};
        QTest::newRow("order kept, missing files kept")
            << QStringList{"/z/missing", "/a/also-missing"}
            << QStringList{"file:///z/missing", "file:///a/also-missing"};
    }

    void fileUrls() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QStringList actual;
        for (const QUrl& url : CommandLineFiles::fileUrls(arguments, QStringLiteral("/work/here")))
            actual.append(url.toString(QUrl::FullyEncoded));
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandLineFiles)
#include "tst_commandlinefiles.moc"
