#include "EngineTestSupport.h"
#include "Translations.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CompressionError.h"
#include "engine/JobCancelledError.h"
#include "engine/PlatformError.h"
#include "engine/ToolRunner.h"

#include <QTest>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace EngineTest;

Q_DECLARE_METATYPE(ArchiveFormat)
Q_DECLARE_METATYPE(ArchiveAction)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

bool isZip(ArchiveFormat format) {
    return format == ArchiveFormat::zip || format == ArchiveFormat::encryptedZip;
}

// Member names as the archive's own reader lists them, as raw bytes, without "./" and trailing "/".
QList<QByteArray> rawMembers(ArchiveFormat format, const QString& archive) {
    const QByteArray listing =
        isZip(format) ? output(QStringLiteral("unzip"), {QStringLiteral("-Z1"), archive})
                      : output(QStringLiteral("tar"),
                               {QStringLiteral("--quoting-style=literal"), QStringLiteral("-tf"), archive});
    QList<QByteArray> members;
    for (QByteArray line : listing.split('\n')) {
        if (line.startsWith("./"))
            line = line.mid(2);
        while (line.endsWith('/'))
            line.chop(1);
        if (!line.isEmpty() && line != ".")
            members.append(line);
    }
    std::sort(members.begin(), members.end());
    return members;
}

QStringList members(ArchiveFormat format, const QString& archive) {
    QStringList names;
    for (const QByteArray& member : rawMembers(format, archive))
        names.append(QString::fromUtf8(member));
    return names;
}

} // namespace

class ArchiveBuilderTest final : public QObject {
    Q_OBJECT

private:
    PrivateTemporaryDirectory m_temporary;
    QTemporaryDir m_work;
    QString m_items;
    QString m_destination;

    QUrl item(const QString& relativePath) const {
        return QUrl::fromLocalFile(m_items + QLatin1Char('/') + relativePath);
    }
    QString outputPath(const QString& name) const { return m_destination + QLatin1Char('/') + name; }

    void makeItems(const QStringList& files) {
        for (const QString& file : files)
            writeFile(m_items + QLatin1Char('/') + file, "contents of " + file.toUtf8());
    }

    // Nothing of a failed run may be left: no archive, no hidden file, no staging folder, no error file.
    void verifyNothingLeft() {
        QCOMPARE(entries(m_destination), QStringList());
        QCOMPARE(m_temporary.leftovers(), QStringList());
    }

private slots:
    void initTestCase() {
        Translations::install(*QCoreApplication::instance());
        QVERIFY(m_work.isValid());
    }

    void init() {
        static int round = 0;
        ++round;
        m_items = m_work.filePath(QStringLiteral("items%1").arg(round));
        m_destination = m_work.filePath(QStringLiteral("destination%1").arg(round));
        QVERIFY(QDir().mkpath(m_items));
        QVERIFY(QDir().mkpath(m_destination));
    }

    void cleanup() { QCOMPARE(m_temporary.leftovers(), QStringList()); }

    // QDir cannot see names that are not UTF-8, so QTemporaryDir could not remove them.
    void cleanupTestCase() { std::filesystem::remove_all(QFile::encodeName(m_work.path()).toStdString()); }

    void zipArguments_data() {
        QTest::addColumn<bool>("omitMacMetadata");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<QStringList>("arguments");
        const QStringList exclusions{"-x", "*.DS_Store", "*/.DS_Store", ".DS_Store", "*/._*", "._*"};
        QTest::newRow("both off") << false << false << QStringList{"-r", "-y", "out.zip", "."};
        QTest::newRow("metadata only") << true << false << QStringList{"-r", "-X", "out.zip", "."};
        QTest::newRow("finder files only")
            << false << true << QStringList{"-r", "-y", "out.zip", "."} + exclusions;
        QTest::newRow("both on") << true << true << QStringList{"-r", "-X", "out.zip", "."} + exclusions;
    }
    void zipArguments() {
        QFETCH(bool, omitMacMetadata);
        QFETCH(bool, omitFinderFiles);
        QFETCH(QStringList, arguments);
        QCOMPARE(ArchiveBuilder::zipArguments(QStringLiteral("out.zip"), omitMacMetadata, omitFinderFiles),
                 arguments);
    }

    void invocation_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<std::optional<QString>>("password");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("directory"); // empty: not set
        QTest::addColumn<QByteArray>("input");  // null: none

        const std::optional<QString> none;
        const std::optional<QString> secret = QStringLiteral("s3cret ü");
        QTest::newRow("zip") << ArchiveFormat::zip << none << false << "/x/zip"
                             << QStringList{"-r", "-y", "/out/a.zip", "."} << "/stage" << QByteArray();
        QTest::newRow("zip ignores a password")
            << ArchiveFormat::zip << secret << false << "/x/zip" << QStringList{"-r", "-y", "/out/a.zip", "."}
            << "/stage" << QByteArray();
        QTest::newRow("encrypted zip")
            << ArchiveFormat::encryptedZip << secret << true << "/x/zip"
            << QStringList{"-P", "s3cret ü",   "-r",          "-y",        "/out/a.zip", ".",
                           "-x", "*.DS_Store", "*/.DS_Store", ".DS_Store", "*/._*",      "._*"}
            << "/stage" << QByteArray();
        QTest::newRow("tar") << ArchiveFormat::tar << none << true << "/x/tar"
                             << QStringList{"-cf", "/out/a.zip", "-C", "/stage", "."} << QString()
                             << QByteArray();
        QTest::newRow("gzip") << ArchiveFormat::gzip << none << false << "/x/tar"
                              << QStringList{"-czf", "/out/a.zip", "-C", "/stage", "."} << QString()
                              << QByteArray();
        QTest::newRow("bzip2") << ArchiveFormat::bzip2 << none << false << "/x/tar"
                               << QStringList{"-cjf", "/out/a.zip", "-C", "/stage", "."} << QString()
                               << QByteArray();
        QTest::newRow("disk image") << ArchiveFormat::diskImage << none << false << "/x/hdiutil"
                                    << QStringList{"create",    "-srcfolder", "/stage", "-volname",
                                                   "My Volume", "-format",    "UDZO",   "/out/a.zip"}
                                    << QString() << QByteArray();
        QTest::newRow("encrypted disk image")
            << ArchiveFormat::encryptedDiskImage << secret << false << "/x/hdiutil"
            << QStringList{"create", "-srcfolder",  "/stage",  "-volname",   "My Volume", "-format",
                           "UDZO",   "-encryption", "AES-256", "-stdinpass", "/out/a.zip"}
            << QString() << QByteArray("s3cret \xc3\xbc\n");
    }
    void invocation() {
        QFETCH(ArchiveFormat, format);
        QFETCH(std::optional<QString>, password);
        QFETCH(bool, omitFinderFiles);
        QFETCH(QString, executable);
        QFETCH(QStringList, arguments);
        QFETCH(QString, directory);
        QFETCH(QByteArray, input);

        const ArchiveBuilder builder(ArchiveTools{"/x/zip", "/x/tar", "/x/hdiutil"});
        const ToolInvocation call =
            builder.invocation(format, QStringLiteral("/stage"), QStringLiteral("/out/a.zip"),
                               QStringLiteral("My Volume"), password, omitFinderFiles, false);
        QCOMPARE(call.executable, executable);
        QCOMPARE(call.arguments, arguments);
        QCOMPARE(call.currentDirectory.value_or(QString()), directory);
        QCOMPARE(call.input.has_value(), !input.isNull());
        QCOMPARE(call.input.value_or(QByteArray()), input);
    }

    void defaultArchiveName_data() {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<ArchiveAction>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("one file loses its last extension")
            << QStringList{"/a/Report.final.pdf"} << ArchiveAction::archive << "Report.final";
        QTest::newRow("one folder") << QStringList{"/a/Photos/"} << ArchiveAction::compress << "Photos";
        QTest::newRow("a leading dot is not an extension")
            << QStringList{"/a/.bashrc"} << ArchiveAction::email << ".bashrc";
        QTest::newRow("several to compress")
            << QStringList{"/a/x", "/a/y", "/a/z"} << ArchiveAction::compress << "Compressed Archive";
        QTest::newRow("several to e-mail")
            << QStringList{"/a/x", "/a/y"} << ArchiveAction::email << "Compressed Archive";
        QTest::newRow("several to archive carry the date")
            << QStringList{"/a/x", "/a/y", "/a/z"} << ArchiveAction::archive << "Archive 2025-03-02 14.05";
    }
    void defaultArchiveName() {
        QFETCH(QStringList, paths);
        QFETCH(ArchiveAction, action);
        QFETCH(QString, name);
        QList<QUrl> items;
        for (const QString& path : paths)
            items.append(QUrl::fromLocalFile(path));
        const QDateTime now(QDate(2025, 3, 2), QTime(14, 5, 59));
        QCOMPARE(ArchiveBuilder::defaultArchiveName(items, action, now), name);
    }

    void createArchive_eachFormat_holdsExactlyTheStagedItems_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("hardLinks");
        QTest::addColumn<int>("magicOffset");
        QTest::addColumn<QByteArray>("magic");
        QTest::newRow("zip") << ArchiveFormat::zip << true << 0 << QByteArray("PK\x03\x04");
        QTest::newRow("encrypted zip")
            << ArchiveFormat::encryptedZip << true << 0 << QByteArray("PK\x03\x04");
        QTest::newRow("tar") << ArchiveFormat::tar << true << 257 << QByteArray("ustar");
        QTest::newRow("tar from true copies") << ArchiveFormat::tar << false << 257 << QByteArray("ustar");
        QTest::newRow("gzip") << ArchiveFormat::gzip << true << 0 << QByteArray("\x1f\x8b");
        QTest::newRow("bzip2") << ArchiveFormat::bzip2 << true << 0 << QByteArray("BZh");
    }
    void createArchive_eachFormat_holdsExactlyTheStagedItems() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, hardLinks);
        QFETCH(int, magicOffset);
        QFETCH(QByteArray, magic);
        makeItems({"notes.txt", "Photos/a.jpg", "Photos/sub/b.jpg", "elsewhere/report.final.pdf"});
        const QString archive = outputPath(QStringLiteral("Result.") + fileExtension(format));

        ArchiveBuilder builder;
        builder.setHardLinksAllowed(hardLinks);
        builder.createArchive({item("notes.txt"), item("Photos"), item("elsewhere/report.final.pdf")}, false,
                              format, QUrl::fromLocalFile(archive), QStringLiteral("Result"),
                              QStringLiteral("secret"), false);

        QCOMPARE(entries(m_destination), QStringList{QFileInfo(archive).fileName()});
        QCOMPARE(members(format, archive),
                 (QStringList{"Photos", "Photos/a.jpg", "Photos/sub", "Photos/sub/b.jpg", "notes.txt",
                              "report.final.pdf"}));
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().mid(magicOffset, magic.size()), magic);
        QVERIFY(QFile::exists(m_items + QStringLiteral("/Photos/sub/b.jpg"))); // the originals stay
    }

    void createArchive_encryptedZip_opensOnlyWithItsPassword() {
        makeItems({"secret.txt"});
        const QString archive = outputPath(QStringLiteral("Locked.zip"));
        ArchiveBuilder().createArchive({item("secret.txt")}, false, ArchiveFormat::encryptedZip,
                                       QUrl::fromLocalFile(archive), QString(), QStringLiteral("open sesame"),
                                       true);
        int exitCode = -1;
        QCOMPARE(output("unzip", {"-p", "-P", "open sesame", archive, "secret.txt"}, &exitCode),
                 QByteArray("contents of secret.txt"));
        QCOMPARE(exitCode, 0);
        QVERIFY(
            !output("unzip", {"-p", "-P", "wrong", archive, "secret.txt"}, &exitCode).contains("contents"));
        QVERIFY(exitCode != 0);
    }

    void createArchive_encryptedWithoutPassword_failsWithoutRunningATool_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<std::optional<QString>>("password");
        QTest::newRow("zip, no password") << ArchiveFormat::encryptedZip << std::optional<QString>();
        QTest::newRow("zip, empty password")
            << ArchiveFormat::encryptedZip << std::optional<QString>(QString());
        QTest::newRow("disk image, empty password")
            << ArchiveFormat::encryptedDiskImage << std::optional<QString>(QString());
    }
    void createArchive_encryptedWithoutPassword_failsWithoutRunningATool() {
        QFETCH(ArchiveFormat, format);
        QFETCH(std::optional<QString>, password);
        makeItems({"a.txt"});
        const QString marker = m_work.filePath(QStringLiteral("tool-ran"));
        const QString tool =
            script(m_work.path(), QStringLiteral("recording-tool"), "touch '" + marker.toUtf8() + "'");
        const ArchiveBuilder builder(ArchiveTools{tool, tool, tool});
        try {
            builder.createArchive({item("a.txt")}, false, format, QUrl::fromLocalFile(outputPath("a.zip")),
                                  "a", password, false);
            QFAIL("an encrypted archive was made without a password");
        } catch (const CompressionError& error) {
            QCOMPARE(error, CompressionError::toolFailed(QString()));
            QCOMPARE(error.errorDescription(), qtTrId("error.failed"));
        }
        QVERIFY(!QFile::exists(marker));
        verifyNothingLeft();
    }

    void createArchive_finderFiles_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<QStringList>("expected");
        const QStringList everything{
            ".DS_Store",        "._old",          "._old/keep.txt",       "Photos",
            "Photos/.DS_Store", "Photos/._cache", "Photos/._cache/index", "Photos/._photo.jpg",
            "Photos/photo.jpg"};
        QTest::newRow("tar, kept") << ArchiveFormat::tar << false << everything;
        QTest::newRow("zip, kept") << ArchiveFormat::zip << false << everything;
        // A top-level folder the user chose is staged whatever its name.
        QTest::newRow("tar, dropped") << ArchiveFormat::tar << true
                                      << QStringList{"._old", "._old/keep.txt", "Photos", "Photos/photo.jpg"};
        // zip's own exclusion list also matches the chosen "._old" folder.
        QTest::newRow("zip, dropped")
            << ArchiveFormat::zip << true << QStringList{"Photos", "Photos/photo.jpg"};
    }
    void createArchive_finderFiles() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, omitFinderFiles);
        QFETCH(QStringList, expected);
        makeItems({"Photos/.DS_Store", "Photos/._photo.jpg", "Photos/photo.jpg", "Photos/._cache/index",
                   "top/.DS_Store", "._old/keep.txt"});
        const QString archive = outputPath(QStringLiteral("Finder.") + fileExtension(format));
        ArchiveBuilder().createArchive({item("Photos"), item("top/.DS_Store"), item("._old")},
                                       omitFinderFiles, format, QUrl::fromLocalFile(archive), QString(),
                                       std::nullopt, false);
        QCOMPARE(members(format, archive), expected);
    }

    void createArchive_sameNamedFiles_failWithFileExists() {
        makeItems({"one/notes.txt", "two/notes.txt"});
        try {
            ArchiveBuilder().createArchive({item("one/notes.txt"), item("two/notes.txt")}, false,
                                           ArchiveFormat::zip, QUrl::fromLocalFile(outputPath("notes.zip")),
                                           QString(), std::nullopt, false);
            QFAIL("two files of the same name were archived");
        } catch (const PlatformError& error) {
            QCOMPARE(error.errorNumber(), EEXIST);
            QCOMPARE(error.errorDescription(),
                     QStringLiteral("“notes.txt” could not be copied: File exists"));
        }
        verifyNothingLeft(); // the partly filled staging folder is removed too
    }

    void createArchive_sameNamedFolders_merge() {
        makeItems({"one/Docs/a.txt", "two/Docs/b.txt", "two/Docs/sub/c.txt"});
        const QString archive = outputPath(QStringLiteral("Docs.tar"));
        ArchiveBuilder().createArchive({item("one/Docs"), item("two/Docs")}, false, ArchiveFormat::tar,
                                       QUrl::fromLocalFile(archive), QString(), std::nullopt, false);
        QCOMPARE(members(ArchiveFormat::tar, archive),
                 (QStringList{"Docs", "Docs/a.txt", "Docs/b.txt", "Docs/sub", "Docs/sub/c.txt"}));
    }

    void createArchive_missingItem_failsWithItsName() {
        makeItems({"here.txt"});
        try {
            ArchiveBuilder().createArchive({item("here.txt"), item("gone.txt")}, false, ArchiveFormat::zip,
                                           QUrl::fromLocalFile(outputPath("a.zip")), QString(), std::nullopt,
                                           false);
            QFAIL("a missing item was ignored");
        } catch (const CompressionError& error) {
            QCOMPARE(error, CompressionError::missingItem(QStringLiteral("gone.txt")));
        }
        verifyNothingLeft();
    }

    void createArchive_cancelledBeforeStaging_makesNothing() {
        makeItems({"a.txt"});
        const std::atomic_bool cancelled = true;
        QVERIFY_THROWS_EXCEPTION(JobCancelledError,
                                 ArchiveBuilder().createArchive({item("a.txt")}, false, ArchiveFormat::zip,
                                                                QUrl::fromLocalFile(outputPath("a.zip")),
                                                                QString(), std::nullopt, false, &cancelled));
        verifyNothingLeft();
    }

    void createArchive_diskImageFormats_failAsMissingTool_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("disk image") << ArchiveFormat::diskImage;
        QTest::newRow("encrypted disk image") << ArchiveFormat::encryptedDiskImage;
    }
    void createArchive_diskImageFormats_failAsMissingTool() {
        QFETCH(ArchiveFormat, format);
        makeItems({"a.txt"});
        try {
            ArchiveBuilder().createArchive({item("a.txt")}, false, format,
                                           QUrl::fromLocalFile(outputPath("a.dmg")), QStringLiteral("a"),
                                           QStringLiteral("pw"), false);
            QFAIL("a disk image tool ran");
        } catch (const CompressionError& error) {
            QCOMPARE(error, CompressionError::toolFailed(qtTrId("error.toolMissing")));
        }
        verifyNothingLeft();
    }

    void createArchive_terminatedTool_leavesNothingBehind_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QByteArray>("toolScript");
        // tar stops halfway through writing the archive.
        QTest::newRow("tar.gz, killed while writing")
            << ArchiveFormat::gzip
            << QByteArray("exec /usr/bin/tar \"$@\" --checkpoint=1 --checkpoint-action=sleep=60");
        // zip has written a complete archive, but the run was still stopped.
        QTest::newRow("zip, killed after writing")
            << ArchiveFormat::zip << QByteArray("/usr/bin/zip \"$@\" || exit $?\nexec sleep 60");
    }
    void createArchive_terminatedTool_leavesNothingBehind() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QByteArray, toolScript);
        makeItems({"Big/a.txt"});
        writeFile(m_items + QStringLiteral("/Big/large.bin"), QByteArray(4 << 20, 'z'));
        const QString tool = script(m_work.path(), QStringLiteral("slow-tool"), toolScript);
        ToolRunner runner;
        const ArchiveBuilder builder(ArchiveTools{tool, tool, tool}, &runner);
        const QString extension = QLatin1Char('.') + fileExtension(format);

        std::optional<CompressionError> error;
        std::atomic_bool finished = false;
        std::thread worker([&] {
            try {
                builder.createArchive({item("Big")}, false, format,
                                      QUrl::fromLocalFile(outputPath("Big" + extension)), QString(),
                                      std::nullopt, false);
            } catch (const CompressionError& caught) {
                error = caught;
            } catch (...) {
            }
            finished = true;
        });
        const auto stopAndJoin = qScopeGuard([&] {
            while (!finished.load()) {
                runner.terminateCurrent();
                QTest::qWait(10);
            }
            worker.join();
        });
        // The tool is at work once its output file exists under the hidden name.
        const auto toolIsWriting = [&] {
            const QStringList names = entries(m_destination);
            return names.size() == 1 && names.first().startsWith(QLatin1Char('.')) &&
                   names.first().endsWith(extension);
        };
        QTRY_VERIFY_WITH_TIMEOUT(toolIsWriting(), 20000);
        runner.terminateCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(finished.load(), 20000);
        QVERIFY(error);
        QCOMPARE(error->kind(), CompressionError::Kind::cancelled);
        verifyNothingLeft();
    }

    void createArchive_itemHoldingTheTemporaryDirectory_leavesTheStagingFolderOut() {
        makeItems({"Temporary/file.txt"});
        const TemporaryDirectoryOverride temporary(m_items + QStringLiteral("/Temporary"));
        const QString archive = outputPath(QStringLiteral("Temporary.tar"));
        ArchiveBuilder().createArchive({item("Temporary")}, false, ArchiveFormat::tar,
                                       QUrl::fromLocalFile(archive), QString(), std::nullopt, false);
        QCOMPARE(members(ArchiveFormat::tar, archive), (QStringList{"Temporary", "Temporary/file.txt"}));
        QCOMPARE(entries(m_items + QStringLiteral("/Temporary")), QStringList{"file.txt"});
    }

    void createArchive_outputNameTakenMeanwhile_isNeverReplaced() {
        makeItems({"a.txt"});
        writeFile(outputPath("a.zip"), "someone else's file");
        try {
            ArchiveBuilder().createArchive({item("a.txt")}, false, ArchiveFormat::zip,
                                           QUrl::fromLocalFile(outputPath("a.zip")), QString(), std::nullopt,
                                           false);
            QFAIL("an existing file was replaced");
        } catch (const PlatformError& error) {
            QCOMPARE(error.errorNumber(), EEXIST);
        }
        QCOMPARE(entries(m_destination), QStringList{"a.zip"});
        QFile kept(outputPath("a.zip"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("someone else's file"));
    }

    void createArchive_namedPipeInFolder_doesNotHang_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("tar") << ArchiveFormat::tar;
        QTest::newRow("zip") << ArchiveFormat::zip;
    }
    void createArchive_namedPipeInFolder_doesNotHang() {
        QFETCH(ArchiveFormat, format);
        makeItems({"Folder/file.txt"});
        QVERIFY(::mkfifo(QFile::encodeName(m_items + QStringLiteral("/Folder/pipe")).constData(), 0600) == 0);
        const QString archive = outputPath(QStringLiteral("Folder.") + fileExtension(format));
        ArchiveBuilder().createArchive({item("Folder")}, false, format, QUrl::fromLocalFile(archive),
                                       QString(), std::nullopt, false);
        QVERIFY(members(format, archive).contains(QStringLiteral("Folder/file.txt")));
        if (format == ArchiveFormat::tar) // tar records the pipe itself
            QVERIFY(members(format, archive).contains(QStringLiteral("Folder/pipe")));
    }

    void createArchive_nameThatIsNotUtf8_keepsItsBytes_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("tar") << ArchiveFormat::tar;
        QTest::newRow("zip") << ArchiveFormat::zip;
    }
    void createArchive_nameThatIsNotUtf8_keepsItsBytes() {
        QFETCH(ArchiveFormat, format);
        makeItems({"Mixed/plain.txt"});
        const QByteArray latin1Name = QFile::encodeName(m_items) + "/Mixed/caf\xe9.txt";
        const int descriptor = ::open(latin1Name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(descriptor >= 0);
        ::close(descriptor);
        const QString archive = outputPath(QStringLiteral("Mixed.") + fileExtension(format));
        ArchiveBuilder().createArchive({item("Mixed")}, false, format, QUrl::fromLocalFile(archive),
                                       QString(), std::nullopt, false);
        QCOMPARE(rawMembers(format, archive),
                 (QList<QByteArray>{"Mixed", "Mixed/caf\xe9.txt", "Mixed/plain.txt"}));
    }
};

QTEST_GUILESS_MAIN(ArchiveBuilderTest)
#include "tst_archivebuilder.moc"
