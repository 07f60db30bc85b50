// Tests of src/engine: the runner, copier, builder and read-back driving the real zip and tar on
// files in a private temporary folder, and the progress figures of a real process tree.
#include "Translations.h"
#include "engine/ArchiveBuilder.h"
#include "engine/ArchiveVerifier.h"
#include "engine/CancellationToken.h"
#include "engine/CompressionError.h"
#include "engine/FileDescriptor.h"
#include "engine/FormatDescription.h"
#include "engine/ItemCopier.h"
#include "engine/LeftoverSweep.h"
#include "engine/LocalPath.h"
#include "engine/PendingJournalEntry.h"
#include "engine/PlatformError.h"
#include "engine/ProcessReads.h"
#include "engine/ProgressPipe.h"
#include "engine/RunProgress.h"
#include "engine/StagedItem.h"
#include "engine/StagingFolder.h"
#include "engine/ToolRunner.h"
#include "engine/TreeRemoval.h"
#include "support/ArchiveReading.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(ArchiveFormat)
Q_DECLARE_METATYPE(ItemCopier::Method)
Q_DECLARE_METATYPE(ReadBack::Result)

namespace {

// The description of what `work` threw; empty when it succeeded.
QString failureOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const CompressionError& error) {
        return error.errorDescription();
    } catch (const PlatformError& error) {
        return error.errorDescription();
    }
    return {};
}

void writeFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
}

// Everything in a folder, hidden entries included.
QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Whether any process's command line, which every program on the machine can read, holds `secret`.
bool onACommandLine(const QByteArray& secret) {
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        QFile commandLine(processes.next() + QStringLiteral("/cmdline"));
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(secret))
            return true;
    }
    return false;
}

struct stat statOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

} // namespace

class EngineTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_work; // items, destinations and, in "tmp", the engine's temporary files
    QString m_items;
    QString m_destination;
    ToolRunner m_runner;

    QString temporary() const { return m_work.filePath(QStringLiteral("tmp")); }
    // Points TMPDIR elsewhere until the returned guard ends.
    auto temporaryDirectoryAt(const QByteArray& path) {
        qputenv("TMPDIR", path);
        return qScopeGuard([this] { qputenv("TMPDIR", QFile::encodeName(temporary())); });
    }
    // An executable shell script.
    QString script(const QString& name, const QByteArray& body) {
        writeFile(m_work.filePath(name), "#!/bin/sh\n" + body + '\n');
        QFile::setPermissions(m_work.filePath(name), QFile::ReadOwner | QFile::ExeOwner);
        return m_work.filePath(name);
    }
    // What running `code` in a shell ended with, as failureOf describes it.
    QString shell(const QString& code, const QStringList& arguments = {},
                  const std::optional<QString>& directory = {}, const std::optional<QByteArray>& input = {}) {
        return failureOf([&] {
            m_runner.run("/bin/sh", QStringList{"-c", code, "sh"} + arguments, directory, input);
        });
    }
    QString outputPath(const QString& name) const { return m_destination + QLatin1Char('/') + name; }
    // A fresh tmpfs of `megabytes` under the work folder, unmounted when the test ends; empty
    // (and the test skipped) where mounting needs privileges this run lacks.
    QString smallDisk(const QString& name, int megabytes) {
        const QString point = m_work.filePath(name);
        QDir().mkpath(point);
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", QStringLiteral("size=%1m").arg(megabytes),
                                        "tmpfs", point}) != 0)
            return {};
        m_mounts.append(point);
        return point;
    }
    QStringList m_mounts;
    void makeItems(const QStringList& files) {
        for (const QString& file : files)
            writeFile(m_items + QLatin1Char('/') + file, "contents of " + file.toUtf8());
    }
    // A request for items named relative to the items folder, into `name` in the destination folder.
    ArchiveRequest request(const QStringList& items, const QString& name,
                           ArchiveFormat format = ArchiveFormat::zip) const {
        ArchiveRequest request{.output = QUrl::fromLocalFile(outputPath(name)), .format = format};
        for (const QString& item : items)
            request.items.append(QUrl::fromLocalFile(m_items + QLatin1Char('/') + item));
        return request;
    }
    // Tools whose all-core compressors are not where they are looked for.
    ArchiveTools missingCompressors() const {
        ArchiveTools tools;
        for (QString* program : {&tools.pigz, &tools.lbzip2, &tools.xz, &tools.zstd})
            *program = m_work.filePath("missing/" + QFileInfo(*program).fileName());
        return tools;
    }
    StagedManifest m_staged; // what the last attempt staged
    // What making the archive threw; empty when it succeeded.
    QString attempt(const ArchiveRequest& request, const ArchiveBuilder& builder = ArchiveBuilder(),
                    const CancellationToken& cancellation = {}) {
        return failureOf([&] { m_staged = builder.createArchive(request, cancellation.token()).manifest; });
    }

private slots:
    void initTestCase() {
        Translations::install(*QCoreApplication::instance());
        QVERIFY(QDir().mkpath(temporary()));
        qputenv("TMPDIR", QFile::encodeName(temporary()));
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_work.filePath("state")));
    }
    void init() {
        static int round = 0;
        m_items = m_work.filePath(QStringLiteral("items%1").arg(++round));
        m_destination = m_work.filePath(QStringLiteral("destination%1").arg(round));
        QVERIFY(QDir().mkpath(m_items) && QDir().mkpath(m_destination));
    }
    // No error-capture file, staging folder or journal entry may outlive a run.
    void cleanup() {
        for (const QString& point : std::exchange(m_mounts, {}))
            QProcess::execute("umount", {point});
        QCOMPARE(entries(temporary()), QStringList());
        QCOMPARE(entries(PendingJournalEntry::journalFolder()), QStringList());
    }
    // QDir cannot see names that are not UTF-8, so QTemporaryDir could not remove them.
    void cleanupTestCase() { fs::remove_all(QFile::encodeName(m_work.path()).toStdString()); }

    void run_turnsTheExitIntoAnOutcome_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        const QString failed = qtTrId("error.failed");
        QTest::newRow("warnings with exit 0 succeed") << "echo 'zip warning: x' >&2" << QString();
        QTest::newRow("exit 1 without error output") << "exit 1" << failed;
        QTest::newRow("error output that is not UTF-8 is dropped")
            << "printf 'caf\\351 \\377\\n' >&2; exit 3" << failed;
        QTest::newRow("death by a signal nobody asked for fails, naming it")
            << "echo 'dying' >&2; kill -KILL $$" << QStringLiteral("sh was stopped by signal 9 (Killed).");
        QTest::newRow("the tool's own words on standard output, when standard error is empty")
            << "echo 'adding: a'; echo 'sh warning: a'; echo ' sh error: full'; exit 12"
            << QStringLiteral("sh warning: a\nsh error: full");
    }
    void run_turnsTheExitIntoAnOutcome() {
        QFETCH(QString, script);
        QTEST(shell(script), "outcome");
    }

    void run_missingTool_failsBeforeMakingAnyFile_data() {
        QTest::addColumn<QString>("executable");
        QTest::newRow("no such file") << "/usr/bin/hdiutil";
        QTest::newRow("not executable") << "/etc/passwd";
    }
    void run_missingTool_failsBeforeMakingAnyFile() {
        QFETCH(QString, executable);
        // With TMPDIR naming a plain file, making the error file fails with "Not a directory".
        const auto restore = temporaryDirectoryAt("/etc/passwd");
        QVERIFY(failureOf([&] { m_runner.run("/bin/true", {}); }).contains("Not a directory"));
        QCOMPARE(failureOf([&] { m_runner.run(executable, {}); }), qtTrId("error.toolMissing"));
    }

    void run_givesTheToolItsArgumentsFolderAndInput() {
        QCOMPARE(shell("printf '[%s]' \"$@\" >&2; pwd >&2; cat >&2; exit 1",
                       {"with space", "", "$HOME", "quote\"s'", "ünïcødé", "*"}, m_items, "secret\n"),
                 "[with space][][$HOME][quote\"s'][ünïcødé][*]" + QDir(m_items).canonicalPath() + "\nsecret");
    }

    void run_toolThatIgnoresItsInput_doesNotRaiseSigpipe() {
        const auto previous = std::signal(SIGPIPE, SIG_DFL); // a SIGPIPE would now end this test
        QCOMPARE(shell("exit 0", {}, {}, QByteArray(8 << 20, 'x')), QString());
        sigset_t pending;
        sigpending(&pending);
        QCOMPARE(sigismember(&pending, SIGPIPE), 0);
        std::signal(SIGPIPE, previous);
    }

    // Much output before the input is read: neither side may wait on the other.
    void run_toolThatWritesBeforeReading_getsAllItsInput() {
        QCOMPARE(shell("head -c 1000000 /dev/zero; wc -c >&2; exit 1", {}, {}, QByteArray(1 << 20, 'x')),
                 "1048576");
    }

    // Wherever the stop lands (before the start, during it, once the tool runs), the tool ends.
    void run_stopRacingTheLaunch_alwaysStopsTheTool() {
        for (int attempt = 0; attempt < 25; ++attempt) {
            const CancellationToken cancellation;
            std::thread stopper([cancellation] { cancellation.cancel(); });
            const QString failure = failureOf([&] {
                m_runner.run("/bin/sleep", {"60"}, {}, {}, {cancellation.token(), {}});
            });
            stopper.join();
            QCOMPARE(failure, qtTrId("error.cancelled"));
        }
    }

    // The tool's reports arrive while it runs; the last full decimal line counts, nothing else does.
    void run_progressPipe_followsTheToolsLastFullLine() {
        const QString gate = m_work.filePath("gate");
        QVERIFY(::mkfifo(QFile::encodeName(gate).constData(), 0600) == 0);
        RunProgress progress;
        progress.done = 0;
        ProgressPipe reports("sh");
        const QString code = "printf '10\\n20\\n' > /proc/self/fd/$0; read line < \"$1\"; "
                             "printf 'not a number\\n30\\n4' > /proc/self/fd/$0";
        auto running = std::async(std::launch::async, [&] {
            return failureOf([&] {
                m_runner.run("/bin/sh", {"-c", code, QString::number(reports.toolDescriptor()), gate}, {}, {},
                             {{}, {}, &progress, &reports});
            });
        });
        QTRY_COMPARE_WITH_TIMEOUT(progress.done.load(), qint64(20), 30000);
        QFile(gate).open(QIODevice::WriteOnly); // lets the tool go on
        QCOMPARE(running.get(), QString());
        QCOMPARE(progress.done.load(), qint64(30));
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
        const std::pair<const char*, mode_t> modes[] = {{"notes.txt", S_IFREG | 0640},
                                                        {"Inner", S_IFDIR | 0750},
                                                        {"link", S_IFLNK | 0777},
                                                        {".", S_IFDIR | 0555}};
        for (const auto& [name, mode] : modes) { // "." read-only: the copy must still be filled and removable
            if (!S_ISLNK(mode))
                ::chmod((source / name).c_str(), mode & 07777);
            const timespec times[2] = {{1000000000 + name[0], 0}, {1000000000 + name[0], 0}};
            ::utimensat(AT_FDCWD, (source / name).c_str(), times, AT_SYMLINK_NOFOLLOW);
        }

        ItemCopier(method).copyFolderContents(source, target, false);
        ::chmod(source.c_str(), 0755);

        QCOMPARE(toolOutput("cat", {m_destination + "/Folder/notes.txt"}), contents);
        QCOMPARE(fs::read_symlink(target / "link").native(), std::string("../elsewhere"));
        for (const auto& [name, mode] : modes) {
            QCOMPARE(statOf(target / name).st_mode, mode);
            QCOMPARE(statOf(target / name).st_mtim.tv_sec, time_t(1000000000 + name[0]));
        }
        // A true copy is a file of its own: removing the staged copy must never touch the original.
        QCOMPARE(statOf(target / "notes.txt").st_ino == statOf(source / "notes.txt").st_ino,
                 method == ItemCopier::Method::linkWhenPossible);
        const FileDescriptor destination(::open(QFile::encodeName(m_destination).constData(), O_RDONLY));
        QVERIFY(TreeRemoval::removeEntry(destination.get(), "Folder"));
        QVERIFY(!fs::exists(target));
    }

    void arguments_eachFormatAndOption_areTheToolsExactCommandLine_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<bool>("omitMacMetadata");
        QTest::addColumn<bool>("compressorsMissing");
        QTest::addColumn<QStringList>("arguments");
        const QStringList namesRead{"--null", "--no-unquote", "--verbatim-files-from", "-T", "-"};
        const QStringList image{"create", "-srcfolder", "stage", "-volname", "Vol", "-format", "UDZO"};
        const QStringList tar{"-C", "stage"};
        const QStringList zipOutput{"--folder-fd=7", "out"};
        QTest::newRow("zip") << ArchiveFormat::zip << false << false << false << zipOutput;
        QTest::newRow("zip, metadata omitted")
            << ArchiveFormat::zip << false << true << false << QStringList{"--omit-metadata"} + zipOutput;
        QTest::newRow("zip, both omitted")
            << ArchiveFormat::zip << true << true << false
            << QStringList{"--omit-metadata", "--omit-finder-files"} + zipOutput;
        QTest::newRow("encrypted zip, password not on it")
            << ArchiveFormat::encryptedZip << true << false << false
            << QStringList{"--encryption=traditional", "--omit-finder-files"} + zipOutput;
        QTest::newRow("encrypted zip, AES chosen") << ArchiveFormat::encryptedZip << false << false << false
                                                   << QStringList{"--encryption=aes256"} + zipOutput;
        QTest::newRow("tar") << ArchiveFormat::tar << true << true << false
                             << QStringList{"-cf", "out"} + tar + namesRead;
        const std::tuple<const char*, ArchiveFormat, QString, QString> compressed[] = {
            {"gzip", ArchiveFormat::gzip, "/usr/bin/pigz", "-z"},
            {"bzip2", ArchiveFormat::bzip2, "/usr/bin/lbzip2", "-j"},
            {"xz", ArchiveFormat::xz, "/usr/bin/xz -T0", "-J"},
            {"zstd", ArchiveFormat::zstd, "/usr/bin/zstd -T0 -3", "--zstd"}};
        for (const auto& [name, format, everyCore, singleCore] : compressed) {
            QTest::newRow(name) << format << false << false << false
                                << QStringList{"-cf", "out", "-I", everyCore} + tar + namesRead;
            QTest::newRow(QByteArray(name) + ", its all-core program missing")
                << format << false << false << true
                << QStringList{"-cf", "out", singleCore} + tar + namesRead;
        }
        QTest::newRow("disk image") << ArchiveFormat::diskImage << true << true << false
                                    << image + QStringList{"out"};
        QTest::newRow("encrypted disk image, password on standard input")
            << ArchiveFormat::encryptedDiskImage << false << false << false
            << image + QStringList{"-encryption", "AES-256", "-stdinpass", "out"};
    }
    void arguments_eachFormatAndOption_areTheToolsExactCommandLine() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, omitFinderFiles);
        QFETCH(bool, omitMacMetadata);
        QFETCH(bool, compressorsMissing);
        const ArchiveRequest request{.volumeName = "Vol",
                                     .format = format,
                                     .password = "secret",
                                     .omitFinderFiles = omitFinderFiles,
                                     .omitMacMetadata = omitMacMetadata,
                                     .strongZipEncryption =
                                         QByteArray(QTest::currentDataTag()).contains("AES")};
        const ArchiveTools tools = compressorsMissing ? missingCompressors() : ArchiveTools();
        const ToolSetup setup{.stagingFolder = "stage",
                              .output = "out",
                              .outputFolder = 7,
                              .outputName = "out",
                              .compressor = tools.compressorCommand(format)};
        QTEST(formatDescription(format).arguments(request, setup), "arguments");
    }

    void createArchive_eachFormat_holdsExactlyTheStagedItems_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<int>("magicOffset");
        QTest::addColumn<QByteArray>("magic");
        QTest::addColumn<bool>("compressorsMissing");
        QTest::newRow("zip") << ArchiveFormat::zip << 0 << QByteArray("PK\x03\x04") << false;
        QTest::newRow("tar") << ArchiveFormat::tar << 257 << QByteArray("ustar") << false;
        const std::tuple<const char*, ArchiveFormat, QByteArray> compressed[] = {
            {"gzip", ArchiveFormat::gzip, "\x1f\x8b"},
            {"bzip2", ArchiveFormat::bzip2, "BZh"},
            {"xz", ArchiveFormat::xz,
             "\xfd"
             "7zXZ"},
            {"zstd", ArchiveFormat::zstd, "\x28\xb5\x2f\xfd"}};
        for (const auto& [name, format, magic] : compressed) {
            QTest::newRow(name) << format << 0 << magic << false;
            QTest::newRow(QByteArray(name) + ", single-core") << format << 0 << magic << true;
        }
    }
    void createArchive_eachFormat_holdsExactlyTheStagedItems() {
        QFETCH(ArchiveFormat, format);
        QFETCH(int, magicOffset);
        QFETCH(QByteArray, magic);
        QFETCH(bool, compressorsMissing);
        makeItems({"notes.txt", "Photos/a.jpg", "Photos/sub/b.jpg", "more/Photos/c.jpg", "elsewhere/r.pdf"});
        const QString name = "Result." + fileExtension(format);
        const ArchiveBuilder builder(compressorsMissing ? missingCompressors() : ArchiveTools());
        // Two folders of the same name merge.
        QCOMPARE(attempt(request({"notes.txt", "Photos", "more/Photos", "elsewhere/r.pdf"}, name, format),
                         builder),
                 QString());

        QCOMPARE(entries(m_destination), QStringList{name});
        const QString archive = outputPath(name);
        QCOMPARE(archiveMembers(archive),
                 (QByteArrayList{"Photos", "Photos/a.jpg", "Photos/c.jpg", "Photos/sub", "Photos/sub/b.jpg",
                                 "notes.txt", "r.pdf"}));
        QCOMPARE(
            toolOutput("head", {"-c", QString::number(magicOffset + magic.size()), archive}).mid(magicOffset),
            magic);
        QVERIFY(QFile::exists(m_items + "/Photos/sub/b.jpg")); // the originals stay
    }

    void createArchive_finderFiles_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("omitFinderFiles");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<QList<bool>>("complete"); // each item all staged, Finder files left out aside
        const QByteArrayList everything{
            ".DS_Store",        "._old",          "._old/keep.txt",       "Photos",
            "Photos/.DS_Store", "Photos/._cache", "Photos/._cache/index", "Photos/._photo.jpg",
            "Photos/photo.jpg"};
        const QList<bool> allComplete{true, true, true};
        QTest::newRow("tar, kept") << ArchiveFormat::tar << false << everything << allComplete;
        // A top-level folder the user chose is staged whatever its name.
        QTest::newRow("tar, dropped")
            << ArchiveFormat::tar << true
            << QByteArrayList{"._old", "._old/keep.txt", "Photos", "Photos/photo.jpg"} << allComplete;
        // zip's own exclusion list also matches the chosen "._old" folder, and keep.txt with it.
        QTest::newRow("zip, dropped")
            << ArchiveFormat::zip << true << QByteArrayList{"Photos", "Photos/photo.jpg"}
            << QList<bool>{true, true, false};
    }
    void createArchive_finderFiles() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, omitFinderFiles);
        makeItems({"Photos/.DS_Store", "Photos/._photo.jpg", "Photos/photo.jpg", "Photos/._cache/index",
                   "top/.DS_Store", "._old/keep.txt"});
        ArchiveRequest finder =
            request({"Photos", "top/.DS_Store", "._old"}, "F." + fileExtension(format), format);
        finder.omitFinderFiles = omitFinderFiles;
        QCOMPARE(attempt(finder), QString());
        QTEST(archiveMembers(outputPath("F." + fileExtension(format))), "expected");
        QList<bool> complete;
        for (const StagedItem& item : m_staged.items())
            complete.append(item.complete);
        QTEST(complete, "complete");
    }

    // Followed from inside the staging folder, a relative link would lead somewhere else.
    void createArchive_omittingMacMetadata_storesALinkAsALink() {
        makeItems({"notes.txt"});
        QVERIFY(QDir().mkpath(m_items + "/Folder"));
        QVERIFY(::symlink("../notes.txt", QFile::encodeName(m_items + "/Folder/link").constData()) == 0);
        const QString archive = outputPath("F.zip");
        ArchiveRequest folder = request({"Folder"}, "F.zip");
        folder.omitMacMetadata = true;
        QCOMPARE(attempt(folder), QString());
        QVERIFY(toolOutput("zipinfo", {archive, "Folder/link"}).startsWith("lrwx"));
        QCOMPARE(zipMember(archive, "Folder/link"), "../notes.txt");
        QCOMPARE(ArchiveVerifier().verify(archive, ArchiveFormat::zip, m_staged, {}).result,
                 ReadBack::Result::passed);
    }

    void createArchive_toolVariablesInTheEnvironment_changeNothing_data() {
        QTest::addColumn<ArchiveFormat>("format");
        for (const ArchiveFormat format :
             {ArchiveFormat::zip, ArchiveFormat::tar, ArchiveFormat::gzip, ArchiveFormat::bzip2})
            QTest::newRow(qPrintable(fileExtension(format))) << format;
    }
    void createArchive_toolVariablesInTheEnvironment_changeNothing() {
        QFETCH(ArchiveFormat, format);
        makeItems({"Photos/a.jpg"});
        // Each would drop members or make the tool, or the read-back's gzip, fail.
        const QList<std::pair<const char*, QByteArray>> variables{
            {"ZIPOPT", "-D"},   {"ZIP", "-D"},   {"TAR_OPTIONS", "--exclude=*"},
            {"GZIP", "--help"}, {"BZIP2", "-d"}, {"BZIP", "-d"}};
        const auto unset = [&] {
            for (const auto& [name, value] : variables)
                qunsetenv(name);
        };
        const auto restore = qScopeGuard(unset);
        for (const auto& [name, value] : variables)
            qputenv(name, value);
        const QString archive = outputPath("E." + fileExtension(format));
        QCOMPARE(attempt(request({"Photos"}, "E." + fileExtension(format), format)), QString());
        QCOMPARE(ArchiveVerifier().verify(archive, format, m_staged, {}).result, ReadBack::Result::passed);
        unset(); // the test's own reader must not see them either
        QCOMPARE(archiveMembers(archive), (QByteArrayList{"Photos", "Photos/a.jpg"}));
    }

    void createArchive_tarExtractedInASharedFolder_leavesItsModeAndAddsOnlyTheItems_data() {
        QTest::addColumn<QString>("reader");
        QTest::newRow("by tar") << "tar";
        QTest::newRow("by bsdtar") << "bsdtar";
    }
    void createArchive_tarExtractedInASharedFolder_leavesItsModeAndAddsOnlyTheItems() {
        QFETCH(QString, reader);
        // Names tar must not take for an option or unquote.
        makeItems({"notes.txt", "-x/a.jpg", "back\\n.txt"});
        const QString archive = outputPath("T.tar");
        QCOMPARE(attempt(request({"notes.txt", "-x", "back\\n.txt"}, "T.tar", ArchiveFormat::tar)),
                 QString());
        const QString shared = m_destination + "/shared";
        QVERIFY(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        QProcess::execute(reader, {"-xf", archive, "-C", shared});
        QCOMPARE(statOf(QFile::encodeName(shared).toStdString()).st_mode, mode_t(S_IFDIR | 01777));
        QCOMPARE(entries(shared), (QStringList{"-x", "back\\n.txt", "notes.txt"}));
        QCOMPARE(entries(shared + "/-x"), QStringList{"a.jpg"});
    }

    void createArchive_refused_runsNoToolAndLeavesNothing_data() {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("password"); // null: none
        QTest::addColumn<QString>("failure");  // cancelled: the run is cancelled before staging
        const QString failed = qtTrId("error.failed");
        const QStringList one{"a.txt"};
        QTest::newRow("encrypted zip with an empty password")
            << one << ArchiveFormat::encryptedZip << "" << failed;
        QTest::newRow("encrypted zip with a password longer than the zip writer reads")
            << one << ArchiveFormat::encryptedZip << QString(1366, u'\u20ac')
            << qtTrId("error.zipPasswordTooLong").arg(ArchiveBuilder::longestPassword);
        // The disk-image tool reads its password up to the line feed: the image would open with "abc".
        QTest::newRow("encrypted disk image with a line feed in its password")
            << one << ArchiveFormat::encryptedDiskImage << QStringLiteral("abc\ndefgh")
            << qtTrId("password.invalidCharacter");
        QTest::newRow("missing item") << QStringList{"a.txt", "gone.txt"} << ArchiveFormat::zip << QString()
                                      << qtTrId("error.missing").arg(u"gone.txt");
        QTest::newRow("two files of the same name")
            << QStringList{"one/notes.txt", "two/notes.txt"} << ArchiveFormat::tar << QString()
            << QStringLiteral("“notes.txt” could not be copied: File exists");
        QTest::newRow("cancelled") << one << ArchiveFormat::zip << QString() << qtTrId("error.cancelled");
    }
    void createArchive_refused_runsNoToolAndLeavesNothing() {
        QFETCH(QStringList, items);
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, password);
        QFETCH(QString, failure);
        makeItems({"a.txt", "one/notes.txt", "two/notes.txt"});
        const QString tool = script("recording-tool", "touch '" + QFile::encodeName(m_destination) + "/ran'");
        const CancellationToken cancellation;
        if (failure == qtTrId("error.cancelled"))
            cancellation.cancel();
        ArchiveRequest refused = request(items, "a.zip", format);
        if (!password.isNull())
            refused.password = password;
        QCOMPARE(attempt(refused, ArchiveBuilder({.tar = tool, .zipWriter = tool}), cancellation), failure);
        QCOMPARE(entries(m_destination), QStringList()); // neither an archive nor the tool's mark
    }

    // Written by its text, an archive in a folder whose name is not UTF-8 would land in the folder
    // that the text names.
    void createArchive_intoAFolderNamedNotUtf8_isRefusedAndTheLookAlikeStaysEmpty() {
        makeItems({"a.txt"});
        const QByteArray folder = QFile::encodeName(m_destination) + "/bad\xFF";
        const QByteArray lookAlike = QFile::encodeName(m_destination) + "/bad\xEF\xBF\xBD";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0 && ::mkdir(lookAlike.constData(), 0700) == 0);
        ArchiveRequest into = request({"a.txt"}, {});
        into.output = LocalPath::toUrl(folder + "/a.zip");
        QVERIFY(attempt(into).startsWith(qtTrId("error.saveArchive").section("%1", 0, 0)));
        QCOMPARE(entries(QFile::decodeName(lookAlike)), QStringList());
        QVERIFY(::rmdir(folder.constData()) == 0); // empty
    }

    void createArchive_toolMessage_namesTheFinalArchive() {
        makeItems({"a.txt"});
        const QString tool = script("failing-tar", "echo \"tar: $2: Cannot write\" >&2; exit 2");
        QCOMPARE(attempt(request({"a.txt"}, "a.tar", ArchiveFormat::tar), ArchiveBuilder({tool, tool, tool})),
                 "tar: " + outputPath("a.tar") + ": Cannot write");
        QCOMPARE(entries(m_destination), QStringList());
    }

    // What a crash left is removed. What a live run uses, what only looks like Balewick's and a
    // folder that took a listed name since, stay.
    void leftoverSweep_removesOnlyWhatAJournalListsAsMade() {
        const QString journal = PendingJournalEntry::journalFolder();
        const QString notes = temporary() + "/Balewick-notes";
        const auto makeFolder = [](const QString& path) {
            QVERIFY(QDir().mkpath(path + "/inside"));
            ::chmod(QFile::encodeName(path).constData(), 0700);
        };
        const auto identity = [](const QString& path) {
            return statOf(QFile::encodeName(path).toStdString());
        };
        makeFolder(notes);
        writeFile(temporary() + "/bw-err-x", "");
        std::optional<PendingJournalEntry> crashed(std::in_place, m_destination);
        makeFolder(crashed->hiddenFolderPath());
        makeFolder(crashed->stagingFolderPath());
        crashed->record(crashed->stagingFolderPath(), identity(crashed->stagingFolderPath()));
        crashed->record(crashed->hiddenFolderPath(), identity(notes)); // as if another took its name
        // A crash leaves its entry without its lock: keep a copy of the file, end the entry, put it back.
        const QString entryName = entries(journal).value(0);
        QVERIFY(QFile::copy(journal + "/" + entryName, m_work.filePath("entry")));
        crashed.reset();
        QVERIFY(QFile::rename(m_work.filePath("entry"), journal + "/" + entryName));
        const PendingJournalEntry live(m_destination);
        makeFolder(live.stagingFolderPath());
        live.record(live.stagingFolderPath(), identity(live.stagingFolderPath()));

        LeftoverSweep::run(journal);
        QCOMPARE(entries(journal).size(), 1); // the live entry
        QCOMPARE(entries(m_destination).size(), 1);
        QStringList kept = entries(temporary()),
                    expected{"Balewick-notes", QFileInfo(live.stagingFolderPath()).fileName(), "bw-err-x"};
        kept.sort();
        expected.sort();
        QCOMPARE(kept, expected);
        for (const QString& name : kept)
            fs::remove_all(QFile::encodeName(temporary() + "/" + name).toStdString());
    }

    // Removal stays inside the tree: links to a folder and a file outside go as links, a read-only
    // folder is emptied all the same, and another user's folder inside is left as it is.
    void treeRemoval_touchesNothingOutsideTheTree() {
        const QByteArray outside = QFile::encodeName(m_items + "/outside"),
                         tree = QFile::encodeName(m_destination + "/tree");
        writeFile(outside + "/kept.txt", "kept");
        writeFile(tree + "/sub/a.txt", "a");
        QVERIFY(::symlink(outside.constData(), tree + "/sub/folderLink") == 0);
        QVERIFY(::symlink(outside + "/kept.txt", tree + "/fileLink") == 0);
        ::chmod(tree + "/sub", 0555);
        const bool asRoot = ::geteuid() == 0; // only root can give a folder to another user
        if (asRoot) {
            writeFile(tree + "/foreign/x", "x");
            QVERIFY(::chown(tree + "/foreign", 65534, 65534) == 0);
        }
        const FileDescriptor parent(::open(QFile::encodeName(m_destination).constData(), O_RDONLY));
        QCOMPARE(TreeRemoval::removeEntry(parent.get(), "tree"), !asRoot);
        QCOMPARE(entries(outside), QStringList{"kept.txt"});
        QCOMPARE(toolOutput("cat", {outside + "/kept.txt"}), QByteArray("kept"));
        QCOMPARE(entries(m_destination), asRoot ? QStringList{"tree"} : QStringList());
        if (asRoot)
            QCOMPARE(entries(tree + "/foreign"), QStringList{"x"});
    }

    void createArchive_outputNameTakenMeanwhile_isNeverReplaced() {
        makeItems({"a.txt"});
        writeFile(outputPath("a.zip"), "someone else's file");
        QVERIFY(attempt(request({"a.txt"}, "a.zip")).endsWith("File exists"));
        QCOMPARE(entries(m_destination), QStringList{"a.zip"});
        QCOMPARE(toolOutput("cat", {outputPath("a.zip")}), QByteArray("someone else's file"));
    }

    // Another user who may write where the archive goes, or where the items are staged, swaps
    // the hidden folder for one of his own while the tool runs: a link into the victim's files
    // under the archive's name, a folder under the item's. Nothing of the victim's or his is
    // touched, the archive holds the items and is the one the tool wrote, and the run says so.
    void createArchive_folderSwappedByAnotherUser_touchesNothingElse_data() {
        QTest::addColumn<QString>("prefix");
        QTest::newRow("hidden folder beside the archive") << ".balewick-";
        QTest::newRow("staging folder beside the items") << ".Balewick-";
    }
    void createArchive_folderSwappedByAnotherUser_touchesNothingElse() {
        QFETCH(QString, prefix);
        if (::geteuid() != 0)
            QSKIP("the attack needs a second user: run as root (the attacker then runs as nobody)");
        // Staged beside the items when the temporary folder lies on another disk.
        const QString disk = smallDisk("elsewhere", 8);
        if (disk.isEmpty())
            QSKIP("no tmpfs could be mounted");
        const auto temporaryGuard = temporaryDirectoryAt(QFile::encodeName(disk));
        const QString shared = m_destination + "/shared", victim = m_work.filePath("victim");
        QVERIFY(QDir().mkpath(shared) && ::chmod(QFile::encodeName(shared).constData(), 0777) == 0);
        ::chmod(QFile::encodeName(m_work.path()).constData(), 0711);
        ::chmod(QFile::encodeName(m_destination).constData(), 0755);
        writeFile(victim + "/notes.txt", "the victim's notes");
        writeFile(shared + "/Items/a.txt", "a");
        // The tool waits for a line from this pipe, held open here so that it never blocks us.
        const QByteArray pipe = QFile::encodeName(m_destination + "/go"), started = pipe + ".started";
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        const FileDescriptor go(::open(pipe.constData(), O_RDWR | O_CLOEXEC));
        const QString tool = script("waiting-tar", "touch '" + started + "'; read go < '" + pipe +
                                                       "'; exec /usr/bin/tar \"$@\"");
        auto failure = std::async(std::launch::async, [&] {
            return attempt({.items = {QUrl::fromLocalFile(shared + "/Items")},
                            .output = QUrl::fromLocalFile(shared + "/Items.tar"),
                            .format = ArchiveFormat::tar},
                           ArchiveBuilder({tool, tool, tool}));
        });
        auto release = qScopeGuard([&] { QCOMPARE(::write(go.get(), "\n", 1), 1); });
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(started), 20000);
        const QString name =
            entries(shared).filter(QRegularExpression("^" + QRegularExpression::escape(prefix))).value(0);
        QVERIFY(!name.isEmpty());
        const QByteArray place = QFile::encodeName(shared + "/" + name);
        const QByteArray moved = QFile::encodeName(shared + "/moved"), link = place + "/Items.tar";
        const QByteArray target = QFile::encodeName(victim + "/notes.txt"), planted = place + "/Items";
        const pid_t attacker = ::fork();
        if (attacker == 0) {
            const bool swapped = ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 &&
                                 ::setuid(65534) == 0 &&
                                 ::rename(place.constData(), moved.constData()) == 0 &&
                                 ::mkdir(place.constData(), 0755) == 0 &&
                                 ::symlink(target.constData(), link.constData()) == 0 &&
                                 ::mkdir(planted.constData(), 0755) == 0;
            ::_exit(swapped ? 0 : 1);
        }
        int status = 0;
        QVERIFY(::waitpid(attacker, &status, 0) == attacker && WIFEXITED(status) && WEXITSTATUS(status) == 0);
        release.dismiss();
        QCOMPARE(::write(go.get(), "\n", 1), 1);
        const QString outcome = failure.get();

        QCOMPARE(toolOutput("cat", {victim + "/notes.txt"}), QByteArray("the victim's notes"));
        QCOMPARE(entries(QFile::decodeName(place)), (QStringList{"Items", "Items.tar"}));
        QCOMPARE(statOf((shared + "/Items.tar").toStdString()).st_mode & S_IFMT, mode_t(S_IFREG));
        QCOMPARE(archiveMembers(shared + "/Items.tar"), (QByteArrayList{"Items", "Items/a.txt"}));
        QCOMPARE(outcome, qtTrId("cleanup.notOurs").arg(shared + "/" + name));
    }

    void createArchive_terminatedTool_leavesNothingBehind_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QByteArray>("toolScript");
        QTest::newRow("tar.gz, killed while writing")
            << ArchiveFormat::gzip
            << QByteArray("exec /usr/bin/tar \"$@\" --checkpoint=1 --checkpoint-action=sleep=60");
        QTest::newRow("zip, exiting on the stop instead of dying")
            << ArchiveFormat::zip
            << "'" + QFile::encodeName(ArchiveTools().zipWriter) +
                   "' \"$@\" || exit $?\ntrap 'exit 9' TERM\nsleep 60 & wait";
    }
    void createArchive_terminatedTool_leavesNothingBehind() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QByteArray, toolScript);
        writeFile(m_items + "/Big/large.bin", QByteArray(4 << 20, 'z'));
        const QString tool = script("slow-tool", toolScript);
        const QString extension = "." + fileExtension(format);
        const ArchiveBuilder builder({tool, tool, tool});
        const CancellationToken cancellation;
        auto failure = std::async(std::launch::async, [&] {
            return attempt(request({"Big"}, "Big" + extension, format), builder, cancellation);
        });
        const auto stop = qScopeGuard([&] {
            cancellation.cancel();
            if (failure.valid())
                failure.wait();
        });
        // The tool is at work once its output exists in the private hidden folder.
        const auto hidden = [&] { return m_destination + "/" + entries(m_destination).value(0); };
        QTRY_VERIFY_WITH_TIMEOUT(entries(m_destination).size() == 1 && entries(hidden()).size() == 1, 20000);
        QVERIFY(entries(m_destination)[0].startsWith(".balewick-"));
        QCOMPARE(statOf(QFile::encodeName(hidden()).toStdString()).st_mode & 0777, 0700u);
        cancellation.cancel();
        QVERIFY(failure.wait_for(std::chrono::seconds(20)) == std::future_status::ready);
        QCOMPARE(failure.get(), qtTrId("error.cancelled"));
        QCOMPARE(entries(m_destination), QStringList());
    }

    // A named pipe is never read (that would hang), a socket is left out, a name that is not UTF-8
    // keeps its bytes, and the staging folder, here inside the item, stays out. An item with
    // something left out is reported as not all staged, so that it never goes to the Trash.
    void createArchive_folderWithSpecialEntries_keepsWhatCanBeArchived_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<bool>("socket");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<bool>("complete");
        const QByteArrayList all{"Mixed", "Mixed/caf\xe9.txt", "Mixed/pipe", "Mixed/plain.txt"};
        QTest::newRow("tar records the pipe") << ArchiveFormat::tar << false << all << true;
        QTest::newRow("tar leaves the socket out") << ArchiveFormat::tar << true << all << false;
        QTest::newRow("zip leaves the pipe out")
            << ArchiveFormat::zip << false << QByteArrayList{"Mixed", "Mixed/caf\xe9.txt", "Mixed/plain.txt"}
            << false;
    }
    void createArchive_folderWithSpecialEntries_keepsWhatCanBeArchived() {
        QFETCH(ArchiveFormat, format);
        QFETCH(bool, socket);
        makeItems({"Mixed/plain.txt"});
        const QByteArray folder = QFile::encodeName(m_items) + "/Mixed/";
        QVERIFY(::mkfifo((folder + "pipe").constData(), 0600) == 0);
        const int file = ::open((folder + "caf\xe9.txt").constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(file >= 0 && ::close(file) == 0);
        if (socket) {
            sockaddr_un address{AF_UNIX, {}};
            qstrncpy(address.sun_path, (folder + "socket").constData(), sizeof(address.sun_path));
            const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
            ::close(descriptor);
        }
        const auto restore = temporaryDirectoryAt(folder);
        const QString archive = outputPath("M." + fileExtension(format));
        QCOMPARE(attempt(request({"Mixed"}, "M." + fileExtension(format), format)), QString());
        QTEST(archiveMembers(archive), "expected");
        QCOMPARE(m_staged.items().size(), 1);
        QTEST(m_staged.items().first().complete, "complete");
        QCOMPARE(ArchiveVerifier().verify(archive, format, m_staged, {}).result, ReadBack::Result::passed);
    }
    void createArchive_withoutTheRoom_saysDiskFullAndLeavesNothing_data() {
        QTest::addColumn<QString>("small"); // what lies on the 2 MB disk: "destination", "temporary"
        QTest::addColumn<ArchiveFormat>("format");
        QTest::newRow("uncompressed tar larger than the destination, refused at once")
            << "destination" << ArchiveFormat::tar;
        QTest::newRow("zip filling the destination as it writes") << "destination" << ArchiveFormat::zip;
        QTest::newRow("copy to stage larger than the temporary folder") << "temporary" << ArchiveFormat::tar;
    }
    void createArchive_withoutTheRoom_saysDiskFullAndLeavesNothing() {
        QFETCH(QString, small);
        QFETCH(ArchiveFormat, format);
        const QString disk = smallDisk("small", 2);
        const QString other = smallDisk("other", 8);
        if (disk.isEmpty() || other.isEmpty())
            QSKIP("no tmpfs could be mounted (that needs root)");
        // Random bytes, so that compression cannot make them fit. The big item lies on a disk of
        // its own and the first item is small, so staging has to copy it.
        QByteArray noise(3 << 20, Qt::Uninitialized);
        QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        writeFile(m_items + "/a.txt", "a");
        writeFile(other + "/noise.bin", noise);
        const bool smallDestination = small == "destination";
        const auto temporaryGuard =
            temporaryDirectoryAt(QFile::encodeName(smallDestination ? temporary() : disk));
        ArchiveRequest tooBig = request({"a.txt"}, {}, format);
        tooBig.items.append(QUrl::fromLocalFile(other + "/noise.bin"));
        tooBig.output = QUrl::fromLocalFile((smallDestination ? disk : m_destination) + "/a.out");
        const QString failure = attempt(tooBig);
        QVERIFY2(failure.startsWith(qtTrId("error.diskFull").section("%1", 0, 0)) && failure.contains(disk),
                 qPrintable(failure));
        QCOMPARE(entries(disk), QStringList());
        QCOMPARE(entries(m_destination), QStringList());
    }

    // A temporary folder on another disk (tmpfs in RAM) would mean copying every byte there.
    void createArchive_temporaryFolderElsewhere_stagesHiddenBesideTheItems() {
        const QString disk = smallDisk("small", 2);
        if (disk.isEmpty())
            QSKIP("no tmpfs could be mounted (that needs root)");
        writeFile(m_items + "/big.bin", QByteArray(3 << 20, 'x'));
        const auto temporaryGuard = temporaryDirectoryAt(QFile::encodeName(disk));
        const QString tool =
            script("zip-in", "pwd > '" + QFile::encodeName(m_work.filePath("staged-in")) + "'\nexec '" +
                                 QFile::encodeName(ArchiveTools().zipWriter) + "' \"$@\"");
        QCOMPARE(attempt(request({"big.bin"}, "big.zip"), ArchiveBuilder({tool, tool, tool})), QString());
        QFile staged(m_work.filePath("staged-in"));
        QVERIFY(staged.open(QIODevice::ReadOnly));
        const QFileInfo stagedIn(QString::fromLocal8Bit(staged.readAll().trimmed()));
        QCOMPARE(stagedIn.path(), m_items);
        QVERIFY(stagedIn.fileName().startsWith(".Balewick-"));
        QCOMPARE(entries(m_items), QStringList{"big.bin"});
        QCOMPARE(entries(disk), QStringList());
        QCOMPARE(archiveMembers(outputPath("big.zip")), QByteArrayList{"big.bin"});
    }

    void encryptedZip_passwordNeverOnACommandLine_andOpensWithItOnly() {
        // Random data compresses slowly enough for many looks at the process list.
        QFile random(QStringLiteral("/dev/urandom"));
        QVERIFY(random.open(QIODevice::ReadOnly));
        writeFile(m_items + "/big.bin", random.read(48 << 20));
        // Ours alone: another run of this test may type its own on unzip's command line meanwhile.
        const QString password = QStringLiteral("Wörter-ß-€-密码-%1").arg(QCoreApplication::applicationPid());
        std::atomic_bool done = false;
        std::atomic_bool seen = false;
        std::atomic_int looks = 0;
        std::thread watcher([&] {
            for (; !done; ++looks)
                seen = seen || onACommandLine(password.toUtf8());
        });
        ArchiveRequest secret = request({"big.bin"}, "secret.zip", ArchiveFormat::encryptedZip);
        secret.password = password;
        const QString failure = attempt(secret);
        done = true;
        watcher.join();
        QCOMPARE(failure, QString());
        QVERIFY2(looks > 3, "zip ended before the process list was looked at");
        QVERIFY(!seen);
        QVERIFY(!toolOutput("unzip", {"-tqP", password, outputPath("secret.zip")}).isEmpty());
        QVERIFY(toolOutput("unzip", {"-tqP", password.chopped(1), outputPath("secret.zip")}).isEmpty());
    }

    void readBack_passesOnlyWhatWasStaged_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("damage"); // "", "flip", "wrong password", "extra staged", "staged less"
        QTest::addColumn<bool>("passes");
        for (const ArchiveFormat format :
             {ArchiveFormat::zip, ArchiveFormat::encryptedZip, ArchiveFormat::tar, ArchiveFormat::gzip,
              ArchiveFormat::bzip2, ArchiveFormat::xz, ArchiveFormat::zstd}) {
            const QByteArray name =
                fileExtension(format).toLatin1() + (isEncrypted(format) ? " encrypted" : "");
            QTest::newRow(name + ", intact") << format << QString() << true;
            QTest::newRow(name + ", one byte flipped") << format << "flip" << false;
        }
        // One listing serves every format: comparing it with what was staged needs no row per format.
        QTest::newRow("zip, a member not staged") << ArchiveFormat::zip << "staged less" << false;
        QTest::newRow("tar, a staged member missing") << ArchiveFormat::tar << "extra staged" << false;
        QTest::newRow("zip encrypted, wrong password")
            << ArchiveFormat::encryptedZip << "wrong password" << false;
    }
    void readBack_passesOnlyWhatWasStaged() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, damage);
        QFETCH(bool, passes);
        // Text that compresses, yet differs everywhere, so that a flipped byte cannot hide.
        QByteArray text;
        for (int line = 0; text.size() < 300000; ++line)
            text += "line " + QByteArray::number(line * 7919 % 100003) + " of the report\n";
        writeFile(m_items + "/notes.txt", text);
        writeFile(m_items + "/Fotos/été.txt", text);
        writeFile(m_items + "/Fotos/empty/.keep", "");
        const QString archive = outputPath("out." + fileExtension(format));
        ArchiveRequest both = request({"notes.txt", "Fotos"}, "out." + fileExtension(format), format);
        both.password = "pässwort";
        QCOMPARE(attempt(both), QString());
        if (damage == "staged less") // the archive then holds a member that was not staged
            QVERIFY(QFile::remove(m_items + "/notes.txt"));
        StagedManifest expected =
            StagedManifest::ofFolder(QFile::encodeName(m_items).toStdString(), format, false);
        QCOMPARE(expected.entries().size(), damage == "staged less" ? 4 : 5);
        if (damage == "flip") // plain tar keeps no checksum of the data, only of each header
            QVERIFY(flipByte(archive, format == ArchiveFormat::tar ? 20 : QFileInfo(archive).size() / 2));
        else if (damage == "extra staged")
            expected.insert("Fotos/other.txt", 3);
        std::atomic<qint64> done = 0;
        const ReadBack result = ArchiveVerifier({}, &done).verify(
            archive, format, expected,
            QString::fromUtf8(damage == "wrong password" ? "passwort" : "pässwort"));
        QCOMPARE(result.result, passes ? ReadBack::Result::passed : ReadBack::Result::failed);
        QCOMPARE(result.reason.isEmpty(), passes);
        if (passes)
            QCOMPARE(done.load(), QFileInfo(archive).size());
    }

    void readBack_aesZip_passesWithItsPasswordOnly_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<ReadBack::Result>("result");
        QTest::newRow("its password") << "Passwort-42" << ReadBack::Result::passed;
        QTest::newRow("another") << "Passwort-43" << ReadBack::Result::failed;
    }
    void readBack_aesZip_passesWithItsPasswordOnly() {
        QFETCH(QString, password);
        writeFile(m_items + "/notes.txt", QByteArray(100000, 'n'));
        const QString archive = outputPath("aes.zip");
        QProcess maker;
        maker.setWorkingDirectory(m_items);
        maker.start("7zz", {"a", "-tzip", "-mem=AES256", "-pPasswort-42", archive, "notes.txt"});
        QVERIFY(maker.waitForFinished() && maker.exitCode() == 0);
        const StagedManifest expected = StagedManifest::ofFolder(QFile::encodeName(m_items).toStdString(),
                                                                 ArchiveFormat::encryptedZip, false);
        QTEST(ArchiveVerifier().verify(archive, ArchiveFormat::encryptedZip, expected, password).result,
              "result");
    }

    void bytesRead_countsTheGrandchildThatReads_andNothingOnceGone() {
        writeFile(m_items + "/line", QByteArray(200000, 'x') + '\n');
        // The shell's read takes one byte per system call: a slow, steady reader, two levels down.
        QProcess tool;
        tool.setChildProcessModifier([] { ::setpgid(0, 0); }); // so that the whole tree can be ended
        tool.start("sh", {"-c", "sh -c 'read -r l < \"$0\"; sleep 30' \"$0\" & wait", m_items + "/line"});
        QVERIFY(tool.waitForStarted());
        const pid_t processId = pid_t(tool.processId());
        QTRY_VERIFY_WITH_TIMEOUT(ProcessReads::bytesRead(processId).value_or(0) > 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(ProcessReads::bytesRead(processId).value_or(0) >= 200001, 20000);
        QVERIFY(ProcessReads::bytesRead(processId).value_or(0) < 200001 + 4096);
        ::kill(-processId, SIGKILL);
        tool.waitForFinished();
        QCOMPARE(ProcessReads::bytesRead(processId), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
