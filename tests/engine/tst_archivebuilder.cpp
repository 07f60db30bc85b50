#include "EngineTestSupport.h"
#include "Translations.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CompressionError.h"
#include "engine/ItemCopier.h"
#include "engine/JobCancelledError.h"
#include "engine/PlatformError.h"
#include "engine/StagingFolder.h"
#include "engine/ToolRunner.h"

#include <QScopeGuard>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace EngineTest;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(ArchiveFormat)
Q_DECLARE_METATYPE(ArchiveAction)
Q_DECLARE_METATYPE(ItemCopier::Method)

namespace {

// Member names as the archive's own reader lists them, raw bytes, sorted, without "./" and trailing "/".
QByteArrayList members(ArchiveFormat format, const QString& archive) {
    const bool zip = format == ArchiveFormat::zip || format == ArchiveFormat::encryptedZip;
    const QByteArray listing =
        zip ? output("unzip", {"-Z1", archive}) : output("tar", {"--quoting-style=literal", "-tf", archive});
    QByteArrayList names;
    for (QByteArray line : listing.split('\n')) {
        if (line.startsWith("./"))
            line = line.mid(2);
        while (line.endsWith('/'))
            line.chop(1);
        if (!line.isEmpty() && line != ".")
            names.append(line);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The description of what `work` threw, "cancelled" for a JobCancelledError; empty when it succeeded.
QString failureOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const CompressionError& error) {
        return error.errorDescription();
    } catch (const PlatformError& error) {
        return error.errorDescription();
    } catch (const JobCancelledError&) {
        return QStringLiteral("cancelled");
    }
    return {};
}

struct stat statOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

void setTime(const fs::path& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace

class ArchiveBuilderTest final : public QObject {
    Q_OBJECT

    PrivateTemporaryDirectory m_temporary;
    QTemporaryDir m_work;
    QString m_items;
    QString m_destination;

    QString outputPath(const QString& name) const { return m_destination + QLatin1Char('/') + name; }
    void makeItems(const QStringList& files) {
        for (const QString& file : files)
            writeFile(m_items + QLatin1Char('/') + file, "contents of " + file.toUtf8());
    }
    // Archives items named relative to the items folder into `name` in the destination folder.
    void create(const QStringList& items, ArchiveFormat format, const QString& name,
                bool omitFinderFiles = false, const std::optional<QString>& password = std::nullopt,
                const ArchiveBuilder& builder = ArchiveBuilder(),
                const std::atomic_bool* cancelled = nullptr) {
        QList<QUrl> urls;
        for (const QString& item : items)
            urls.append(QUrl::fromLocalFile(m_items + QLatin1Char('/') + item));
        builder.createArchive(urls, omitFinderFiles, format, QUrl::fromLocalFile(outputPath(name)), "Vol",
                              password, false, cancelled);
    }
    // A failed run leaves nothing: no archive, no hidden file, no staging folder, no error file.
    void verifyNothingLeft() {
        QCOMPARE(entries(m_destination), QStringList());
        QCOMPARE(m_temporary.leftovers(), QStringList());
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    void init() {
        static int round = 0;
        m_items = m_work.filePath(QStringLiteral("items%1").arg(++round));
        m_destination = m_work.filePath(QStringLiteral("destination%1").arg(round));
        QVERIFY(QDir().mkpath(m_items) && QDir().mkpath(m_destination));
    }
    void cleanup() { QCOMPARE(m_temporary.leftovers(), QStringList()); }
    // QDir cannot see names that are not UTF-8, so QTemporaryDir could not remove them.
    void cleanupTestCase() { fs::remove_all(QFile::encodeName(m_work.path()).toStdString()); }

    void invocation_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("password"); // null: none
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<bool>("omitMacMetadata");
        QTest::addColumn<QString>("call"); // "cd <directory>; <executable> <arguments> < <input>"
        const QString pw = QStringLiteral("pässwörd");
        const QString finder = " -x *.DS_Store */.DS_Store .DS_Store */._* ._*";
        const QString image = "/x/dmg create -srcfolder /stage -volname Vol -format UDZO ";
        QTest::newRow("zip") << ArchiveFormat::zip << QString() << false << false
                             << "cd /stage; /x/zip -r -y /o.zip .";
        QTest::newRow("zip without metadata ignores a password")
            << ArchiveFormat::zip << pw << false << true << "cd /stage; /x/zip -r -X /o.zip .";
        QTest::newRow("zip without Finder files")
            << ArchiveFormat::zip << QString() << true << true << "cd /stage; /x/zip -r -X /o.zip ." + finder;
        QTest::newRow("encrypted zip") << ArchiveFormat::encryptedZip << pw << true << false
                                       << "cd /stage; /x/zip -P pässwörd -r -y /o.zip ." + finder;
        QTest::newRow("tar") << ArchiveFormat::tar << QString() << true << true
                             << "/x/tar -cf /o.zip -C /stage .";
        QTest::newRow("gzip") << ArchiveFormat::gzip << QString() << false << false
                              << "/x/tar -czf /o.zip -C /stage .";
        QTest::newRow("bzip2") << ArchiveFormat::bzip2 << QString() << false << false
                               << "/x/tar -cjf /o.zip -C /stage .";
        QTest::newRow("disk image") << ArchiveFormat::diskImage << QString() << false << false
                                    << image + "/o.zip";
        QTest::newRow("encrypted disk image: the password on standard input")
            << ArchiveFormat::encryptedDiskImage << pw << false << false
            << image + "-encryption AES-256 -stdinpass /o.zip < pässwörd\n";
    }
    void invocation() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, password);
        QFETCH(bool, omitFinderFiles);
        QFETCH(bool, omitMacMetadata);
        const ToolInvocation call =
            ArchiveBuilder(ArchiveTools{"/x/zip", "/x/tar", "/x/dmg"})
                .invocation(format, "/stage", "/o.zip", "Vol",
                            password.isNull() ? std::nullopt : std::optional(password), omitFinderFiles,
                            omitMacMetadata);
        QString text = (QStringList{call.executable} + call.arguments).join(QLatin1Char(' '));
        if (call.currentDirectory)
            text.prepend("cd " + *call.currentDirectory + "; ");
        if (call.input)
            text += " < " + QString::fromUtf8(*call.input);
        QTEST(text, "call");
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
            << QStringList{"/a/x", "/a/y"} << ArchiveAction::compress << "Compressed Archive";
        QTest::newRow("several to e-mail")
            << QStringList{"/a/x", "/a/y"} << ArchiveAction::email << "Compressed Archive";
        QTest::newRow("several to archive carry the date")
            << QStringList{"/a/x", "/a/y"} << ArchiveAction::archive << "Archive 2025-03-02 14.05";
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
        makeItems({"notes.txt", "Photos/a.jpg", "Photos/sub/b.jpg", "more/Photos/c.jpg", "elsewhere/r.pdf"});
        const QString name = "Result." + fileExtension(format);
        ArchiveBuilder builder;
        builder.setHardLinksAllowed(hardLinks);
        // Two folders of the same name merge.
        create({"notes.txt", "Photos", "more/Photos", "elsewhere/r.pdf"}, format, name, false, "open sesame",
               builder);

        QCOMPARE(entries(m_destination), QStringList{name});
        const QString archive = outputPath(name);
        QCOMPARE(members(format, archive),
                 (QByteArrayList{"Photos", "Photos/a.jpg", "Photos/c.jpg", "Photos/sub", "Photos/sub/b.jpg",
                                 "notes.txt", "r.pdf"}));
        QFile file(archive);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().mid(magicOffset, magic.size()), magic);
        QVERIFY(QFile::exists(m_items + "/Photos/sub/b.jpg")); // the originals stay
        if (format == ArchiveFormat::encryptedZip) {
            int exitCode = -1;
            QCOMPARE(output("unzip", {"-p", "-P", "open sesame", archive, "notes.txt"}, &exitCode),
                     "contents of notes.txt");
            QCOMPARE(exitCode, 0);
            QVERIFY(!output("unzip", {"-p", "-P", "wrong", archive, "notes.txt"}, &exitCode)
                         .contains("contents"));
            QVERIFY(exitCode != 0);
        }
    }

    void createArchive_finderFiles_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<QByteArrayList>("expected");
        const QByteArrayList everything{
            ".DS_Store",        "._old",          "._old/keep.txt",       "Photos",
            "Photos/.DS_Store", "Photos/._cache", "Photos/._cache/index", "Photos/._photo.jpg",
            "Photos/photo.jpg"};
        QTest::newRow("tar, kept") << ArchiveFormat::tar << false << everything;
        QTest::newRow("zip, kept") << ArchiveFormat::zip << false << everything;
        // A top-level folder the user chose is staged whatever its name.
        QTest::newRow("tar, dropped")
            << ArchiveFormat::tar << true
            << QByteArrayList{"._old", "._old/keep.txt", "Photos", "Photos/photo.jpg"};
        // zip's own exclusion list also matches the chosen "._old" folder.
        QTest::newRow("zip, dropped")
            << ArchiveFormat::zip << true << QByteArrayList{"Photos", "Photos/photo.jpg"};
    }
    void createArchive_finderFiles() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, omitFinderFiles);
        QFETCH(QByteArrayList, expected);
        makeItems({"Photos/.DS_Store", "Photos/._photo.jpg", "Photos/photo.jpg", "Photos/._cache/index",
                   "top/.DS_Store", "._old/keep.txt"});
        create({"Photos", "top/.DS_Store", "._old"}, format, "F." + fileExtension(format), omitFinderFiles);
        QCOMPARE(members(format, outputPath("F." + fileExtension(format))), expected);
    }

    void createArchive_refused_runsNoToolAndLeavesNothing_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("password"); // null: none
        QTest::addColumn<QString>("failure");  // "cancelled": the run is cancelled before staging
        const QString failed = qtTrId("error.failed");
        const QStringList one{"a.txt"};
        QTest::newRow("encrypted zip without a password")
            << one << ArchiveFormat::encryptedZip << QString() << failed;
        QTest::newRow("encrypted zip with an empty password")
            << one << ArchiveFormat::encryptedZip << "" << failed;
        QTest::newRow("encrypted disk image with an empty password")
            << one << ArchiveFormat::encryptedDiskImage << "" << failed;
        QTest::newRow("disk image without its tool")
            << one << ArchiveFormat::diskImage << QString() << qtTrId("error.toolMissing");
        QTest::newRow("missing item") << QStringList{"a.txt", "gone.txt"} << ArchiveFormat::zip << QString()
                                      << qtTrId("error.missing").arg(u"gone.txt");
        QTest::newRow("two files of the same name")
            << QStringList{"one/notes.txt", "two/notes.txt"} << ArchiveFormat::tar << QString()
            << "“notes.txt” could not be copied: File exists";
        QTest::newRow("cancelled") << one << ArchiveFormat::zip << QString() << "cancelled";
    }
    void createArchive_refused_runsNoToolAndLeavesNothing() {
        QFETCH(QStringList, items);
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, password);
        QFETCH(QString, failure);
        makeItems({"a.txt", "one/notes.txt", "two/notes.txt"});
        const QString marker = m_work.filePath(QStringLiteral("tool-ran"));
        const QString tool = script(m_work.path(), "recording-tool", "touch '" + marker.toUtf8() + "'");
        const ArchiveBuilder builder(ArchiveTools{tool, tool, ArchiveTools().diskImage});
        const std::atomic_bool cancelled = failure == QLatin1String("cancelled");
        QCOMPARE(failureOf([&] {
                     create(items, format, "a.zip", false,
                            password.isNull() ? std::nullopt : std::optional(password), builder, &cancelled);
                 }),
                 failure);
        QVERIFY(!QFile::exists(marker));
        verifyNothingLeft();
    }

    void createArchive_outputNameTakenMeanwhile_isNeverReplaced() {
        makeItems({"a.txt"});
        writeFile(outputPath("a.zip"), "someone else's file");
        QVERIFY(failureOf([&] { create({"a.txt"}, ArchiveFormat::zip, "a.zip"); }).endsWith("File exists"));
        QCOMPARE(entries(m_destination), QStringList{"a.zip"});
        QCOMPARE(output("cat", {outputPath("a.zip")}), QByteArray("someone else's file"));
    }

    void createArchive_terminatedTool_leavesNothingBehind_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QByteArray>("toolScript");
        QTest::newRow("tar.gz, killed while writing")
            << ArchiveFormat::gzip
            << QByteArray("exec /usr/bin/tar \"$@\" --checkpoint=1 --checkpoint-action=sleep=60");
        QTest::newRow("zip, killed after writing a whole archive")
            << ArchiveFormat::zip << QByteArray("/usr/bin/zip \"$@\" || exit $?\nexec sleep 60");
    }
    void createArchive_terminatedTool_leavesNothingBehind() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QByteArray, toolScript);
        writeFile(m_items + "/Big/large.bin", QByteArray(4 << 20, 'z'));
        const QString tool = script(m_work.path(), "slow-tool", toolScript);
        ToolRunner runner;
        const QString extension = "." + fileExtension(format);
        const ArchiveBuilder builder({tool, tool, tool}, &runner);
        auto failure = std::async(std::launch::async, [&] {
            return failureOf([&] { create({"Big"}, format, "Big" + extension, false, {}, builder); });
        });
        const auto stop = qScopeGuard([&] {
            while (failure.valid() &&
                   failure.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
                runner.terminateCurrent();
        });
        // The tool is at work once its output exists under the hidden name.
        QTRY_VERIFY_WITH_TIMEOUT(entries(m_destination).size() == 1 &&
                                     entries(m_destination).first().startsWith('.') &&
                                     entries(m_destination).first().endsWith(extension),
                                 20000);
        runner.terminateCurrent();
        QVERIFY(failure.wait_for(std::chrono::seconds(20)) == std::future_status::ready);
        QCOMPARE(failure.get(), qtTrId("error.cancelled"));
        verifyNothingLeft();
    }

    void createArchive_itemHoldingTheTemporaryDirectory_leavesTheStagingFolderOut() {
        makeItems({"Temporary/file.txt"});
        qputenv("TMPDIR", QFile::encodeName(m_items + "/Temporary"));
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", QFile::encodeName(m_temporary.path())); });
        create({"Temporary"}, ArchiveFormat::tar, "T.tar");
        QCOMPARE(members(ArchiveFormat::tar, outputPath("T.tar")),
                 (QByteArrayList{"Temporary", "Temporary/file.txt"}));
        QCOMPARE(entries(m_items + "/Temporary"), QStringList{"file.txt"});
    }

    // A named pipe is never read (that would hang), a socket is left out, and a name that is not
    // UTF-8 keeps its bytes.
    void createArchive_specialEntriesInAFolder_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::newRow("tar records the pipe")
            << ArchiveFormat::tar
            << QByteArrayList{"Mixed", "Mixed/caf\xe9.txt", "Mixed/pipe", "Mixed/plain.txt"};
        QTest::newRow("zip leaves the pipe out")
            << ArchiveFormat::zip << QByteArrayList{"Mixed", "Mixed/caf\xe9.txt", "Mixed/plain.txt"};
    }
    void createArchive_specialEntriesInAFolder() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QByteArrayList, expected);
        makeItems({"Mixed/plain.txt"});
        const QByteArray folder = QFile::encodeName(m_items) + "/Mixed/";
        QVERIFY(::mkfifo((folder + "pipe").constData(), 0600) == 0);
        const int file = ::open((folder + "caf\xe9.txt").constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(file >= 0 && ::close(file) == 0);
        sockaddr_un address{AF_UNIX, {}};
        qstrncpy(address.sun_path, (folder + "socket").constData(), sizeof(address.sun_path));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
        ::close(socket);
        create({"Mixed"}, format, "M." + fileExtension(format));
        QCOMPARE(members(format, outputPath("M." + fileExtension(format))), expected);
    }

    void copyFolderContents_keepsModesTimesAndLinks_data() {
        QTest::addColumn<ItemCopier::Method>("method");
        QTest::newRow("hard link when possible") << ItemCopier::Method::linkWhenPossible;
        QTest::newRow("true copy") << ItemCopier::Method::copyContents;
    }
    void copyFolderContents_keepsModesTimesAndLinks() {
        QFETCH(ItemCopier::Method, method);
        const fs::path source = QFile::encodeName(m_items + "/Folder").toStdString();
        const fs::path target = QFile::encodeName(m_destination + "/Folder").toStdString();
        const QByteArray contents = QByteArray(3 << 20, 'a') + "end";
        writeFile(m_items + "/Folder/notes.txt", contents);
        QVERIFY(QDir().mkpath(m_items + "/Folder/Inner"));
        QVERIFY(::symlink("../elsewhere", (source / "link").c_str()) == 0);
        ::chmod((source / "notes.txt").c_str(), 0640);
        ::chmod((source / "Inner").c_str(), 0750);
        ::chmod(source.c_str(), 0555); // the copy must still be filled, and removable afterwards
        const std::pair<const char*, mode_t> modes[] = {{"notes.txt", S_IFREG | 0640},
                                                        {"Inner", S_IFDIR | 0750},
                                                        {"link", S_IFLNK | 0777},
                                                        {".", S_IFDIR | 0555}};
        for (const auto& [name, mode] : modes)
            setTime(source / name, 1000000000 + name[0]);

        ItemCopier(method).copyFolderContents(source, target, false);
        ::chmod(source.c_str(), 0755);

        QCOMPARE(output("cat", {m_destination + "/Folder/notes.txt"}), contents);
        QCOMPARE(fs::read_symlink(target / "link").native(), std::string("../elsewhere"));
        for (const auto& [name, mode] : modes) {
            QCOMPARE(statOf(target / name).st_mode, mode);
            QCOMPARE(statOf(target / name).st_mtim.tv_sec, time_t(1000000000 + name[0]));
        }
        // A true copy is a file of its own: removing the staged copy must never touch the original.
        QCOMPARE(statOf(target / "notes.txt").st_ino == statOf(source / "notes.txt").st_ino,
                 method == ItemCopier::Method::linkWhenPossible);
        StagingFolder::removeTree(target);
        QVERIFY(!fs::exists(target));
    }
};

QTEST_GUILESS_MAIN(ArchiveBuilderTest)
#include "tst_archivebuilder.moc"
