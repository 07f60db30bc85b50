// Reading archives back: a good archive passes, a damaged one or one that differs from what was
// staged fails.
#include "Translations.h"
#include "engine/ArchiveBuilder.h"
#include "engine/ArchiveVerifier.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ArchiveFormat)

class ReadBackTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_work;

private slots:
    void initTestCase() {
        Translations::install(*QCoreApplication::instance());
        // Text that compresses, yet differs everywhere, so that a flipped byte cannot hide.
        QByteArray text;
        for (int line = 0; text.size() < 300000; ++line)
            text += "line " + QByteArray::number(line * 7919 % 100003) + " of the report\n";
        for (const QString& name : {QStringLiteral("stage/notes.txt"), QStringLiteral("stage/Fotos/été.txt"),
                                    QStringLiteral("stage/Fotos/empty/.keep")}) {
            QDir().mkpath(QFileInfo(m_work.filePath(name)).path());
            QFile file(m_work.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.endsWith(".keep") ? "" : text) >= 0);
        }
    }

    void verify_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("damage"); // "", "flip", "wrong password", "extra staged", "staged less"
        QTest::addColumn<bool>("passes");
        for (const ArchiveFormat format : {ArchiveFormat::zip, ArchiveFormat::encryptedZip,
                                           ArchiveFormat::tar, ArchiveFormat::gzip, ArchiveFormat::bzip2}) {
            const QByteArray name =
                fileExtension(format).toLatin1() + (isEncrypted(format) ? " encrypted" : "");
            QTest::newRow(name + ", intact") << format << QString() << true;
            QTest::newRow(name + ", one byte flipped") << format << "flip" << false;
            QTest::newRow(name + ", a member not staged") << format << "staged less" << false;
            QTest::newRow(name + ", a staged member missing") << format << "extra staged" << false;
        }
        QTest::newRow("zip encrypted, wrong password")
            << ArchiveFormat::encryptedZip << "wrong password" << false;
    }
    void verify() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, damage);
        QFETCH(bool, passes);
        const QString stage = m_work.filePath(QStringLiteral("stage"));
        const QString archive = m_work.filePath(QStringLiteral("out.") + fileExtension(format));
        QFile::remove(archive);
        ArchiveBuilder().createArchive(
            {QUrl::fromLocalFile(stage + "/notes.txt"), QUrl::fromLocalFile(stage + "/Fotos")}, false, format,
            QUrl::fromLocalFile(archive), {}, QStringLiteral("pässwort"), false);
        StagedManifest expected =
            StagedManifest::ofFolder(QFile::encodeName(stage).toStdString(), format, false, false);
        QCOMPARE(expected.entries().size(), 5);
        if (damage == "flip") {
            QFile file(archive);
            QVERIFY(file.open(QIODevice::ReadWrite));
            // Plain tar keeps no checksum of the data, only of each header.
            const qint64 offset = format == ArchiveFormat::tar ? 20 : file.size() / 2;
            file.seek(offset);
            const char byte = char(file.peek(1).at(0) ^ 0x10);
            file.write(&byte, 1);
        } else if (damage == "extra staged") {
            expected.insert("Fotos/other.txt", 3);
        } else if (damage == "staged less") {
            StagedManifest fewer;
            for (auto entry = expected.entries().begin(); entry != expected.entries().end(); ++entry)
                if (entry.key() != "notes.txt")
                    fewer.insert(entry.key(), entry.value());
            expected = fewer;
        }
        std::atomic<qint64> done = 0;
        const ReadBack result = ArchiveVerifier({}, &done).verify(
            archive, format, expected,
            QString::fromUtf8(damage == "wrong password" ? "passwort" : "pässwort"));
        QCOMPARE(result.result, passes ? ReadBack::Result::passed : ReadBack::Result::failed);
        QCOMPARE(result.reason.isEmpty(), passes);
        if (passes)
            QCOMPARE(done.load(), QFileInfo(archive).size());
    }

    void verify_diskImageWithoutItsCheck_isSkipped() {
        QCOMPARE(ArchiveVerifier().verify("/nowhere.dmg", ArchiveFormat::diskImage, {}, {}).result,
                 ReadBack::Result::skipped);
    }
};

QTEST_GUILESS_MAIN(ReadBackTest)
#include "tst_readback.moc"
