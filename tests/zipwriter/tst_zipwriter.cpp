// Tests of src/zipwriter: archives made by the real balewick-zip, read back by unzip, 7-Zip, bsdtar
// and Python's zipfile, never by a reader of our own.
#include "support/ProgramRun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace fs = std::filesystem;

namespace {

// An even second, which the two-second DOS time holds exactly.
constexpr std::time_t stagedTime = 1617253208;

using Outcome = ProgramOutcome;

// The tool run in `staging`, writing "out.zip" into `destination` through an inherited descriptor.
Outcome runTool(const QString& staging, const QString& destination, const QStringList& options,
                const QByteArray& input = {}) {
    const int folder = ::open(QFile::encodeName(destination).constData(), O_RDONLY | O_DIRECTORY);
    const QStringList arguments = options + QStringList{"--folder-fd=" + QString::number(folder), "out.zip"};
    Outcome outcome = runProgram(QStringLiteral(ZIP_TOOL), arguments, staging, input);
    ::close(folder);
    return outcome;
}

void writeFile(const fs::path& path, const QByteArray& contents, mode_t mode = 0644) {
    fs::create_directories(path.parent_path());
    QFile file(QString::fromStdString(path.native()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    ::chmod(path.c_str(), mode);
}

QByteArray randomBytes(qint64 size) {
    QFile source(QStringLiteral("/dev/urandom"));
    return source.open(QIODevice::ReadOnly) ? source.read(size) : QByteArray();
}

// Creates entries described as "kind:path": d folder, f small file, e empty file, x executable,
// c already-compressed file, t 5 MiB of text, r 3 MiB of random bytes, m 66,000 empty files,
// l symbolic link ("l:path>target"). Every time is then set to `stagedTime`.
void makeTree(const QString& root, const QByteArrayList& entries) {
    const fs::path top(QFile::encodeName(root).toStdString());
    for (const QByteArray& entry : entries) {
        const char kind = entry.front();
        const QByteArrayList parts = entry.mid(2).split('>');
        const fs::path path = top / parts.first().toStdString();
        if (kind == 'd')
            fs::create_directories(path);
        if (kind == 'l')
            fs::create_symlink(parts.last().toStdString(), path);
        if (kind == 'f' || kind == 'e' || kind == 'x')
            writeFile(path,
                      kind == 'f' ? "contents of " + parts.first()
                                  : QByteArray(kind == 'x' ? "#!/bin/sh\n" : ""),
                      kind == 'x' ? 0755 : 0644);
        if (kind == 'c' || kind == 'r')
            writeFile(path, randomBytes(kind == 'c' ? 300000 : 3 << 20));
        for (int line = 0; kind == 't' && line == 0; ++line) {
            QByteArray text;
            for (int number = 0; text.size() < 5 << 20; ++number)
                text += "line " + QByteArray::number(number) + " of a long text\n";
            writeFile(path, text);
        }
        for (int index = 0; kind == 'm' && index < 66000; ++index) {
            const fs::path folder = path / std::to_string(index / 1000);
            if (index % 1000 == 0)
                fs::create_directories(folder);
            ::close(::open((folder / std::to_string(index)).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        }
    }
    const timespec times[2] = {{stagedTime, 0}, {stagedTime, 0}};
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(top))
        ::utimensat(AT_FDCWD, item.path().c_str(), times, AT_SYMLINK_NOFOLLOW);
}

bool isFinderFile(const fs::path& relative) {
    for (const fs::path& part : relative)
        if (part.native().starts_with("._") || part.native().ends_with(".DS_Store"))
            return true;
    return false;
}

// Every entry below `root` as "name-hex mode mtime sha1" ("/" for a folder, "->target-hex" for a
// link, which keeps no time), sorted: what the Python script below prints for an archive.
QByteArrayList describe(const QString& root, bool omitFinderFiles = false) {
    QByteArrayList lines;
    const fs::path top(QFile::encodeName(root).toStdString());
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(top)) {
        const fs::path relative = item.path().lexically_relative(top);
        if (omitFinderFiles && isFinderFile(relative))
            continue;
        struct stat status {};
        ::lstat(item.path().c_str(), &status);
        QByteArray line = QByteArray::fromStdString(relative.native()).toHex() + ' ' +
                          QByteArray::number(status.st_mode, 8) + ' ';
        if (S_ISLNK(status.st_mode)) {
            lines << line + "->" + QByteArray::fromStdString(fs::read_symlink(item.path()).native()).toHex();
            continue;
        }
        line += QByteArray::number(qint64(status.st_mtime)) + ' ';
        QFile file(QString::fromStdString(item.path().native()));
        lines << line + (S_ISDIR(status.st_mode) ? QByteArray("/")
                         : file.open(QIODevice::ReadOnly)
                             ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                             : QByteArray("unreadable"));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Reads the archive with Python's zipfile: the lines of describe(), then "stored NAME-HEX" for each
// file over 64 KiB kept without compression, then "fields" and the ids of the central extra fields.
const char* const pythonReader = R"(
import hashlib, stat, sys, time, zipfile
archive = zipfile.ZipFile(sys.argv[1])
assert archive.testzip() is None
lines, stored, fields = [], [], set()
for info in archive.infolist():
    name = info.filename.encode('utf-8' if info.flag_bits & 0x800 else 'cp437').rstrip(b'/').hex()
    mode, data = info.external_attr >> 16, archive.read(info)
    extra = info.extra
    while len(extra) >= 4:
        fields.add('%04x' % int.from_bytes(extra[:2], 'little'))
        extra = extra[4 + int.from_bytes(extra[2:4], 'little'):]
    if stat.S_ISLNK(mode):
        lines.append('%s %o ->%s' % (name, mode, data.hex()))
        continue
    seconds = int(time.mktime(info.date_time + (0, 0, -1)))
    digest = hashlib.sha1(data).hexdigest() if stat.S_ISREG(mode) else '/'
    lines.append('%s %o %d %s' % (name, mode, seconds, digest))
    if stat.S_ISREG(mode) and len(data) > 65536 and info.compress_type == 0:
        stored.append('stored ' + name)
print('\n'.join(sorted(lines) + sorted(stored) + [' '.join(['fields'] + sorted(fields))]))
)";

} // namespace

class ZipWriterTest final : public QObject {
    Q_OBJECT

private slots:
    void write_realReadersAgree_data();
    void write_realReadersAgree();
    void write_encrypted_opensOnlyWithThePassword_data();
    void write_encrypted_opensOnlyWithThePassword();
    void write_failure_oneLineAndNothingLeft_data();
    void write_failure_oneLineAndNothingLeft();
    void write_terminated_removesTheArchive();
    void write_progress_risesToTheBytesRead();
    void write_entryOver4GiB_readersAccept();
};

void ZipWriterTest::write_realReadersAgree_data() {
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArrayList>("stored");

    QTest::newRow("a bit of everything")
        << QByteArrayList{"d:empty",
                          "f:a.txt",
                          "x:bin/run",
                          "e:empty-file",
                          "l:to-folder>bin",
                          "l:to-file>a.txt",
                          "f:caf\xe9.txt",
                          "f:na\xc3\xafve.txt",
                          "c:photos/holiday.GZ"}
        << QStringList{} << QByteArrayList{QByteArray("photos/holiday.GZ").toHex()};
    QTest::newRow("large files in many pieces")
        << QByteArrayList{"t:text/big.txt", "r:noise.bin"} << QStringList{}
        << QByteArrayList{QByteArray("noise.bin").toHex()};
    QTest::newRow("more than 65,535 entries, no metadata")
        << QByteArrayList{"m:many"} << QStringList{"--omit-metadata"} << QByteArrayList{};
    QTest::newRow("finder files left out")
        << QByteArrayList{"f:a/.DS_Store", "f:._a", "f:a/b", "f:._folder/x", "f:c/x.DS_Store"}
        << QStringList{"--omit-finder-files"} << QByteArrayList{};
}

void ZipWriterTest::write_realReadersAgree() {
    QFETCH(QByteArrayList, entries);
    QFETCH(QStringList, options);
    QFETCH(QByteArrayList, stored);
    QTemporaryDir staging;
    QTemporaryDir destination;
    makeTree(staging.path(), entries);
    const Outcome tool = runTool(staging.path(), destination.path(), options);
    QVERIFY2(tool.exitCode == 0 && !tool.crashed, tool.error.constData());
    QVERIFY(tool.error.isEmpty());
    const QString archive = destination.filePath(QStringLiteral("out.zip"));

    QCOMPARE(runProgram("unzip", {"-tq", archive}).exitCode, 0);
    QCOMPARE(runProgram("7zz", {"t", archive}).exitCode, 0);
    QCOMPARE(runProgram("bsdtar", {"-tf", archive}).exitCode, 0);
    const QByteArrayList expected = describe(staging.path(), options.contains("--omit-finder-files"));
    QTemporaryDir extracted;
    QCOMPARE(runProgram("unzip", {"-q", archive, "-d", extracted.path()}).exitCode, 0);
    QCOMPARE(describe(extracted.path()), expected);

    const Outcome python = runProgram("python3", {"-c", pythonReader, archive});
    QVERIFY2(python.exitCode == 0, python.error.constData());
    const QByteArray fields = options.contains("--omit-metadata") ? "fields" : "fields 5455 7875";
    QByteArrayList storedLines;
    for (const QByteArray& name : stored)
        storedLines << "stored " + name;
    QCOMPARE(python.output.trimmed().split('\n'), expected + storedLines + QByteArrayList{fields});
}

void ZipWriterTest::write_encrypted_opensOnlyWithThePassword_data() {
    QTest::addColumn<QString>("encryption");
    QTest::addColumn<bool>("unzipOpens");
    QTest::newRow("traditional") << "traditional" << true;
    QTest::newRow("AES-256") << "aes256" << false;
}

void ZipWriterTest::write_encrypted_opensOnlyWithThePassword() {
    QFETCH(QString, encryption);
    QFETCH(bool, unzipOpens);
    QTemporaryDir staging;
    QTemporaryDir destination;
    makeTree(staging.path(), {"f:a.txt", "t:big.txt", "c:b.gz", "e:empty", "d:folder", "l:link>a.txt"});
    const Outcome tool =
        runTool(staging.path(), destination.path(), {"--encryption=" + encryption}, "secret\n");
    QVERIFY2(tool.exitCode == 0, tool.error.constData());
    const QString archive = destination.filePath(QStringLiteral("out.zip"));

    QCOMPARE(runProgram("7zz", {"t", "-psecret", archive}).exitCode, 0);
    QVERIFY(runProgram("7zz", {"t", "-psecreT", archive}).exitCode != 0);
    QCOMPARE(runProgram("unzip", {"-tq", "-P", "secret", archive}).exitCode == 0, unzipOpens);
    QVERIFY(runProgram("unzip", {"-tq", "-P", "secreT", archive}).exitCode != 0);
    QTemporaryDir extracted;
    QCOMPARE(runProgram("7zz", {"x", "-psecret", "-o" + extracted.path(), archive}).exitCode, 0);
    QCOMPARE(describe(extracted.path()), describe(staging.path()));
}

void ZipWriterTest::write_failure_oneLineAndNothingLeft_data() {
    QTest::addColumn<QByteArrayList>("entries");
    QTest::addColumn<QByteArray>("unreadable");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("named");

    QTest::newRow("unreadable file") << QByteArrayList{"f:a", "f:sub/secret"} << QByteArray("sub/secret")
                                     << QStringList{} << QByteArray("sub/secret");
    QTest::newRow("unreadable folder") << QByteArrayList{"f:a", "f:sub/x/secret"} << QByteArray("sub/x")
                                       << QStringList{} << QByteArray("sub/x");
    QTest::newRow("no password") << QByteArrayList{"f:a"} << QByteArray()
                                 << QStringList{"--encryption=aes256"} << QByteArray("password");
}

void ZipWriterTest::write_failure_oneLineAndNothingLeft() {
    QFETCH(QByteArrayList, entries);
    QFETCH(QByteArray, unreadable);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, named);
    if (::geteuid() == 0 && !unreadable.isEmpty())
        QSKIP("Running as root, which reads every file; run as another user for this row");
    QTemporaryDir staging;
    QTemporaryDir destination;
    makeTree(staging.path(), entries);
    if (!unreadable.isEmpty())
        QCOMPARE(::chmod(QFile::encodeName(staging.filePath(unreadable)).constData(), 0), 0);

    const Outcome tool = runTool(staging.path(), destination.path(), options);
    QCOMPARE(tool.exitCode, 1);
    QVERIFY2(tool.error.startsWith("balewick-zip: ") && tool.error.count('\n') == 1 &&
                 tool.error.endsWith('\n'),
             tool.error.constData());
    QVERIFY2(tool.error.contains(named), tool.error.constData());
    QVERIFY(QDir(destination.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    if (!unreadable.isEmpty())
        ::chmod(QFile::encodeName(staging.filePath(unreadable)).constData(), 0755);
}

void ZipWriterTest::write_progress_risesToTheBytesRead() {
    QTemporaryDir staging;
    QTemporaryDir destination;
    makeTree(staging.path(), {"t:big.txt", "f:a", "e:b", "l:c>a"});
    QTemporaryFile report;
    QVERIFY(report.open());
    const int inherited = ::dup(report.handle()); // without close-on-exec
    const Outcome tool =
        runTool(staging.path(), destination.path(), {"--progress-fd=" + QString::number(inherited)});
    ::close(inherited);
    QVERIFY2(tool.exitCode == 0, tool.error.constData());
    const QList<qint64> counts = progressReports(report);
    QVERIFY(!counts.isEmpty());
    QCOMPARE(counts.last(), QFileInfo(staging.filePath("big.txt")).size() + 13);
}

// The progress pipe is full before the tool starts, so its first report holds it, archive open,
// until the signal comes.
void ZipWriterTest::write_terminated_removesTheArchive() {
    QTemporaryDir staging;
    QTemporaryDir destination;
    makeTree(staging.path(), {"t:big.txt"});
    int progress[2];
    QCOMPARE(::pipe2(progress, O_NONBLOCK), 0);
    const QByteArray filler(4096, 'x');
    while (::write(progress[1], filler.constData(), filler.size()) > 0) {
    }
    QCOMPARE(::fcntl(progress[1], F_SETFL, 0), 0);
    const int folder = ::open(QFile::encodeName(destination.path()).constData(), O_RDONLY | O_DIRECTORY);
    QProcess tool;
    tool.setWorkingDirectory(staging.path());
    tool.start(QStringLiteral(ZIP_TOOL), {"--progress-fd=" + QString::number(progress[1]),
                                          "--folder-fd=" + QString::number(folder), "out.zip"});
    ::close(folder);
    ::close(progress[1]);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(destination.filePath("out.zip")), 60000);
    tool.terminate();
    QVERIFY(tool.waitForFinished(60000));
    ::close(progress[0]);
    QCOMPARE(tool.exitStatus(), QProcess::CrashExit);
    QVERIFY(!QFile::exists(destination.filePath("out.zip")));
}

void ZipWriterTest::write_entryOver4GiB_readersAccept() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("Reading 4.5 GiB twice under the sanitizer takes too long; the default build checks it");
#endif
    QTemporaryDir staging;
    QTemporaryDir destination;
    constexpr qint64 size = 4500LL << 20;
    QFile sparse(staging.filePath(QStringLiteral("sparse.img")));
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
    sparse.close();
    const Outcome tool = runTool(staging.path(), destination.path(), {});
    QVERIFY2(tool.exitCode == 0, tool.error.constData());
    const QString archive = destination.filePath(QStringLiteral("out.zip"));

    QCOMPARE(runProgram("unzip", {"-tq", archive}).exitCode, 0);
    QCOMPARE(runProgram("7zz", {"t", archive}).exitCode, 0);
    const QByteArray zeros(1 << 20, '\0');
    uLong piece = crc32(0, reinterpret_cast<const Bytef*>(zeros.constData()), uInt(zeros.size()));
    uLong expected = 0;
    for (qint64 done = 0; done < size; done += zeros.size())
        expected = crc32_combine(expected, piece, zeros.size());
    const Outcome listing = runProgram(
        "python3", {"-c",
                    "import sys, zipfile; print('%08x %d' % "
                    "(lambda i: (i.CRC, i.file_size))(zipfile.ZipFile(sys.argv[1]).infolist()[0]))",
                    archive});
    QCOMPARE(listing.output.trimmed(), QByteArray::number(quint64(expected), 16).rightJustified(8, '0') +
                                           ' ' + QByteArray::number(size));
}

int main(int argc, char** argv) {
    // Root reads every file, so a run as root goes on as "nobody", before any thread exists, for
    // an unreadable file to be one.
    if (::geteuid() == 0 && ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0)
        ::prctl(PR_SET_DUMPABLE, 1);
    QCoreApplication application(argc, argv);
    ZipWriterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zipwriter.moc"
