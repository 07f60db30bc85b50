#include "Translations.h"
#include "engine/AlreadyCompressed.h"
#include "engine/ArchiveFormat.h"
#include "engine/CompressionError.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CompressionError)
Q_DECLARE_METATYPE(ArchiveFormat)

class ModelTypesTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void inferredFormat_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("upper-case tgz") << "/a/Backup.TGZ" << ArchiveFormat::gzip;
        QTest::newRow("tar.gz") << "/a/site.tar.gz" << ArchiveFormat::gzip;
        QTest::newRow("tbz") << "a.tbz" << ArchiveFormat::bzip2;
        QTest::newRow("tbz2") << "a.tbz2" << ArchiveFormat::bzip2;
        QTest::newRow("tar.bz2") << "/x/a.tar.bz2" << ArchiveFormat::bzip2;
        QTest::newRow("upper-case tar") << "x.TAR" << ArchiveFormat::tar;
        QTest::newRow("dmg, never the encrypted image") << "/Volumes/Disk.dmg" << ArchiveFormat::diskImage;
        QTest::newRow("text file") << "notes.txt" << ArchiveFormat::zip;
        QTest::newRow("no extension") << "/a/README" << ArchiveFormat::zip;
        QTest::newRow("gz alone is not tar.gz") << "logs.gz" << ArchiveFormat::zip;
        QTest::newRow("folder part does not count") << "/a.tar/notes" << ArchiveFormat::zip;
    }
    void inferredFormat() {
        QFETCH(QString, path);
        QFETCH(ArchiveFormat, format);
        QCOMPARE(::inferredFormat(path), format);
    }

    void isAlreadyCompressed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind"); // "file", "folder" or "missing"
        QTest::addColumn<bool>("compressed");
        QTest::newRow("gz file") << "logs.gz"
                                 << "file" << true;
        QTest::newRow("tar.gz file") << "logs.tar.gz"
                                     << "file" << true;
        QTest::newRow("upper-case 7Z") << "b.7Z"
                                       << "file" << true;
        QTest::newRow("rar is not on the list") << "file.rar"
                                                << "file" << false;
        QTest::newRow("plain text") << "notes.txt"
                                    << "file" << false;
        QTest::newRow("folder named like an archive") << "old.zip"
                                                      << "folder" << false;
        QTest::newRow("missing item judged by name") << "gone.zip"
                                                     << "missing" << true;
    }
    void isAlreadyCompressed() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, compressed);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        QFile file(path);
        if (kind == QLatin1String("file"))
            QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(::isAlreadyCompressed(QUrl::fromLocalFile(path)), compressed);
    }

    void errorDescription_data() {
        QTest::addColumn<CompressionError>("error");
        QTest::addColumn<QString>("description");
        QTest::newRow("forbidden names the item")
            << CompressionError::forbidden("Users") << qtTrId("error.forbidden").arg(u"Users");
        QTest::newRow("missing names the item")
            << CompressionError::missingItem("a.txt") << qtTrId("error.missing").arg(u"a.txt");
        QTest::newRow("tool text loses its line break")
            << CompressionError::toolFailed("zip error: Nothing to do!\n") << "zip error: Nothing to do!";
        QTest::newRow("blank tool text")
            << CompressionError::toolFailed(" \n\t\r\n") << qtTrId("error.failed");
        QTest::newRow("cancelled") << CompressionError::cancelled() << qtTrId("error.cancelled");
        QTest::newRow("folderCreate") << CompressionError::folderCreate() << qtTrId("error.folderCreate");
    }
    void errorDescription() {
        QFETCH(CompressionError, error);
        QFETCH(QString, description);
        QCOMPARE(error.errorDescription(), description);
        // A text missing from the catalogue would show the user its raw key.
        QVERIFY(!description.startsWith(QLatin1String("error.")) && !description.contains(u"%1"));
    }
};

QTEST_GUILESS_MAIN(ModelTypesTest)
#include "tst_modeltypes.moc"
