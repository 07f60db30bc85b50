#include "Translations.h"
#include "engine/AlreadyCompressed.h"
#include "engine/ArchiveAction.h"
#include "engine/ArchiveDestination.h"
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

    void rawValues_outsideTheirRange_makeNoValue() {
        QCOMPARE(archiveFormatFromRaw(7), std::nullopt);
        QCOMPARE(archiveFormatFromRaw(-1), std::nullopt);
        QCOMPARE(archiveActionFromRaw(3), std::nullopt);
        QCOMPARE(archiveDestinationFromRaw(QStringLiteral("SameFolder")), std::nullopt);
        for (ArchiveFormat format : allArchiveFormats())
            QCOMPARE(archiveFormatFromRaw(rawValue(format)), format);
        for (ArchiveDestination destination : allArchiveDestinations())
            QCOMPARE(archiveDestinationFromRaw(rawValue(destination)), destination);
    }

    void inferredFormat_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("upper-case tgz") << "/a/Backup.TGZ" << ArchiveFormat::gzip;
        QTest::newRow("tar.gz") << "/a/site.tar.gz" << ArchiveFormat::gzip;
        QTest::newRow("tbz") << "a.tbz" << ArchiveFormat::bzip2;
        QTest::newRow("tbz2") << "a.tbz2" << ArchiveFormat::bzip2;
        QTest::newRow("tar.bz2") << "/x/a.tar.bz2" << ArchiveFormat::bzip2;
        QTest::newRow("upper-case tar") << "x.TAR" << ArchiveFormat::tar;
        QTest::newRow("dmg") << "/Volumes/Disk.dmg" << ArchiveFormat::diskImage;
        QTest::newRow("encrypted image is never inferred") << "secret.dmg" << ArchiveFormat::diskImage;
        QTest::newRow("text file") << "notes.txt" << ArchiveFormat::zip;
        QTest::newRow("no extension") << "/a/README" << ArchiveFormat::zip;
        QTest::newRow("zip") << "photos.zip" << ArchiveFormat::zip;
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
        QTest::addColumn<bool>("isFolder");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("compressed");
        QTest::newRow("gz file") << "logs.gz" << false << true << true;
        QTest::newRow("tar.gz file") << "logs.tar.gz" << false << true << true;
        QTest::newRow("upper-case 7Z") << "b.7Z" << false << true << true;
        QTest::newRow("rar is not on the list") << "file.rar" << false << true << false;
        QTest::newRow("folder named like an archive") << "old.zip" << true << true << false;
        QTest::newRow("missing item judged by name") << "gone.zip" << false << false << true;
        QTest::newRow("plain text") << "notes.txt" << false << true << false;
    }
    void isAlreadyCompressed() {
        QFETCH(QString, name);
        QFETCH(bool, isFolder);
        QFETCH(bool, exists);
        QFETCH(bool, compressed);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (exists && isFolder)
            QVERIFY(QDir().mkdir(path));
        if (exists && !isFolder) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(::isAlreadyCompressed(QUrl::fromLocalFile(path)), compressed);
    }

    void errorDescription_data() {
        QTest::addColumn<CompressionError>("error");
        QTest::addColumn<QString>("description");
        QTest::newRow("forbidden names the item") << CompressionError::forbidden(QStringLiteral("Users"))
                                                  << qtTrId("error.forbidden").arg(u"Users");
        QTest::newRow("missing names the item") << CompressionError::missingItem(QStringLiteral("a.txt"))
                                                << qtTrId("error.missing").arg(u"a.txt");
        QTest::newRow("tool text loses its line break")
            << CompressionError::toolFailed(QStringLiteral("zip error: Nothing to do!\n"))
            << QStringLiteral("zip error: Nothing to do!");
        QTest::newRow("blank tool text")
            << CompressionError::toolFailed(QStringLiteral(" \n\t\r\n")) << qtTrId("error.failed");
        QTest::newRow("cancelled") << CompressionError::cancelled() << qtTrId("error.cancelled");
        QTest::newRow("folderCreate") << CompressionError::folderCreate() << qtTrId("error.folderCreate");
    }
    void errorDescription() {
        QFETCH(CompressionError, error);
        QFETCH(QString, description);
        QCOMPARE(error.errorDescription(), description);
        // Each text must exist in the catalogue, or the user would read a raw key.
        QVERIFY(!description.startsWith(QLatin1String("error.")));
        QVERIFY(!description.contains(QLatin1String("%1")));
    }
};

QTEST_GUILESS_MAIN(ModelTypesTest)
#include "tst_modeltypes.moc"
