// Tests of src/diskimage: images made by the real balewick-diskimage, checked by 7-Zip, dmg2img,
// isoinfo and xorriso; encrypted ones decrypted with OpenSSL as the container format prescribes;
// and read back by the tool's own verify.
#include "diskimage/VolumeName.h"
#include "engine/ArchiveBuilder.h"
#include "engine/ArchiveVerifier.h"
#include "engine/CancellationToken.h"
#include "engine/CompressionError.h"
#include "engine/RunProgress.h"
#include "support/ArchiveReading.h"
#include "support/ProgramRun.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <filesystem>
#include <thread>

#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace fs = std::filesystem;

namespace {

using Outcome = ProgramOutcome;

// Creates entries described as "kind:path": d folder, f file, e empty file, x executable script,
// z 3 MiB of zeros, r 2 MiB of random bytes, l symbolic link ("l:path>target").
void makeTree(const QString& root, const QStringList& entries) {
    for (const QString& entry : entries) {
        const QChar kind = entry.front();
        const QStringList parts = entry.mid(2).split(QLatin1Char('>'));
        const fs::path path = fs::path(QFile::encodeName(root).toStdString()) / parts.first().toStdString();
        fs::create_directories(kind == QLatin1Char('d') ? path : path.parent_path());
        if (kind == QLatin1Char('l'))
            fs::create_symlink(parts.last().toStdString(), path);
        if (QStringLiteral("fexzr").contains(kind)) {
            QFile file(QString::fromStdString(path.string()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kind == QLatin1Char('f')   ? "contents of " + parts.first().toUtf8()
                       : kind == QLatin1Char('x') ? QByteArray("#!/bin/sh\necho hello\n")
                       : kind == QLatin1Char('z') ? QByteArray(3 << 20, '\0')
                       : kind == QLatin1Char('r')
                           ? runProgram("head", {"-c", "2097152", "/dev/urandom"}).output
                           : QByteArray());
            if (kind == QLatin1Char('x'))
                file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
        }
    }
}

// Every entry below `root`: path, permission bits, and the link target or a digest of the contents.
QStringList describe(const QString& root) {
    QStringList lines;
    const fs::path top(QFile::encodeName(root).toStdString());
    if (!fs::exists(top))
        return lines;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top)) {
        const QString path = QString::fromStdString(fs::relative(entry.path(), top).string());
        const auto mode = QString::number(static_cast<int>(entry.symlink_status().permissions()), 8);
        if (entry.is_symlink())
            lines << path + " -> " + QString::fromStdString(fs::read_symlink(entry.path()).string());
        else if (entry.is_directory())
            lines << path + "/ " + mode;
        else {
            QFile file(QString::fromStdString(entry.path().string()));
            lines << path + ' ' + mode + ' ' +
                         (file.open(QIODevice::ReadOnly)
                              ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                              : QByteArray("unreadable"));
        }
    }
    lines.sort();
    return lines;
}

// The plain image inside an encrypted container, empty when the password does not open it.
QByteArray decrypted(const QByteArray& file, const QByteArray& password) {
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<quint32>(file.constData() + at); };
    const auto u64 = [&](qsizetype at) { return qFromBigEndian<quint64>(file.constData() + at); };
    if (!file.startsWith("encrcdsa") || u32(8) != 2 || u32(72) != 1 || u32(76) != 1)
        return {};
    const auto record = static_cast<qsizetype>(u64(80));
    const QByteArray salt = file.mid(record + 16, u32(record + 12));
    const QByteArray wrapIv = file.mid(record + 52, u32(record + 48));
    const QByteArray blob = file.mid(record + 104, u32(record + 100));
    unsigned char wrapKey[24];
    PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                           reinterpret_cast<const unsigned char*>(salt.constData()), int(salt.size()),
                           int(u32(record + 8)), sizeof wrapKey, wrapKey);

    const auto decrypt = [](const EVP_CIPHER* cipher, const unsigned char* key, const QByteArray& iv,
                            const QByteArray& data, bool padded) {
        QByteArray plain(data.size() + 16, '\0');
        int length = 0;
        int last = 0;
        EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
        const bool succeeded =
            EVP_DecryptInit_ex(context, cipher, nullptr, key,
                               reinterpret_cast<const unsigned char*>(iv.data())) &&
            EVP_CIPHER_CTX_set_padding(context, padded) &&
            EVP_DecryptUpdate(context, reinterpret_cast<unsigned char*>(plain.data()), &length,
                              reinterpret_cast<const unsigned char*>(data.data()), int(data.size())) &&
            EVP_DecryptFinal_ex(context, reinterpret_cast<unsigned char*>(plain.data()) + length, &last);
        EVP_CIPHER_CTX_free(context);
        return succeeded ? plain.left(length + last) : QByteArray();
    };
    const QByteArray keys = decrypt(EVP_des_ede3_cbc(), wrapKey, wrapIv, blob, true);
    if (keys.mid(52, 5) != QByteArray("CKIE", 5))
        return {};
    const QByteArray aesKey = keys.left(32);
    const QByteArray hmacKey = keys.mid(32, 20);

    const quint32 blockSize = u32(52);
    const quint64 size = u64(56);
    QByteArray plain;
    for (quint32 block = 0; plain.size() < qsizetype(size); ++block) {
        const quint32 number = qToBigEndian(block);
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int digestLength = 0;
        HMAC(EVP_sha1(), hmacKey.constData(), int(hmacKey.size()),
             reinterpret_cast<const unsigned char*>(&number), sizeof number, digest, &digestLength);
        plain += decrypt(EVP_aes_256_cbc(), reinterpret_cast<const unsigned char*>(aesKey.constData()),
                         QByteArray(reinterpret_cast<const char*>(digest), 16),
                         file.mid(qsizetype(u64(64) + quint64(block) * blockSize), blockSize), false);
    }
    return plain.left(qsizetype(size));
}

} // namespace

class DiskImageTest final : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_stage;
    QString m_output;

    // What every reader must agree on: checksums, the files listed, and the expanded filesystem
    // holding the staged tree under the volume's name.
    void checkImage(const QString& image, const QString& volumeName) {
        QCOMPARE(runProgram("7zz", {"t", "-tdmg", image}).exitCode, 0);
        const Outcome listing = runProgram("7zz", {"l", "-slt", "-ba", image});
        QCOMPARE(listing.exitCode, 0);
        const QStringList staged = describe(m_stage).filter(QRegularExpression("^(?!.* -> )"));
        QCOMPARE(listing.output.count("\nPath = ") + listing.output.startsWith("Path = "), staged.size());

        const QString expanded = image + ".iso";
        QCOMPARE(runProgram("dmg2img", {"-s", image, expanded}).exitCode, 0);
        QVERIFY(runProgram("isoinfo", {"-d", "-i", expanded})
                    .output.contains("\nVolume id: " + volumeName.toUtf8() + '\n'));
        const QString extracted = image + ".files";
        QCOMPARE(runProgram("xorriso", {"-osirrox", "on", "-indev", expanded, "-extract", "/", extracted})
                     .exitCode,
                 0);
        QCOMPARE(describe(extracted), describe(m_stage));
    }

    QStringList createArguments(const QString& source, bool encrypted) const {
        QStringList arguments{"create", "-srcfolder", source, "-volname", "Vol", "-format", "UDZO"};
        if (encrypted)
            arguments << "-encryption"
                      << "AES-256"
                      << "-stdinpass";
        return arguments << m_output + "/image.dmg";
    }

private slots:
    void init() {
        static int round = 0;
        m_stage = m_work.filePath(QStringLiteral("stage%1").arg(++round));
        m_output = m_work.filePath(QStringLiteral("output%1").arg(round));
        QVERIFY(QDir().mkpath(m_stage) && QDir().mkpath(m_output));
    }

    void volumeName_cut_keepsWholeCharactersWithinTheLimit_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const QString a31(31, QLatin1Char('a'));
        QTest::newRow("ASCII beyond the limit") << QString(40, 'a') << QString(32, 'a');
        QTest::newRow("two-byte letter across the limit") << a31 + "éx" << a31;
        QTest::newRow("letter and its accent across the limit") << a31.left(30) + "e\u0301x" << a31.left(30);
        QTest::newRow("space before the cut") << a31.left(30) + " éx" << a31.left(30);
        QTest::newRow("flag across the limit") << a31.left(28) + "🇨🇭" << a31.left(28);
    }
    void volumeName_cut_keepsWholeCharactersWithinTheLimit() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(VolumeName::cut(name.toStdString(), 32)), expected);
    }

    void create_tree_readersSeeItAsStaged_data() {
        QTest::addColumn<QStringList>("tree");
        QTest::newRow("nothing at all") << QStringList();
        QTest::newRow("an empty folder, zero-byte files") << QStringList{"d:Empty", "e:a", "e:folder/b"};
        QTest::newRow("spaces, non-ASCII and 200-byte names") << QStringList{
            "f:My Folder/my notes.txt", "f: leading and trailing ", "f:" + QString(100, u'é') + "/Über.txt",
            "f:" + QString(200, 'n'), "f:日本語/ファイル.txt"};
        QTest::newRow("a deep tree") << QStringList{"f:" + QString("level/").repeated(40) + "bottom.txt"};
        QTest::newRow("symbolic links, an executable")
            << QStringList{"f:target.txt", "l:link>target.txt", "l:dangling>no/such/file",
                           "l:sub/up>../target.txt", "x:run.sh"};
        QTest::newRow("zero runs, incompressible data, several chunks")
            << QStringList{"z:zeros.bin", "r:random.bin", "f:small.txt"};
    }
    void create_tree_readersSeeItAsStaged() {
        QFETCH(QStringList, tree);
        makeTree(m_stage, tree);
        const Outcome outcome = runProgram(DISK_IMAGE_TOOL, createArguments(m_stage, false));
        QCOMPARE(outcome.error, QByteArray());
        QCOMPARE(outcome.exitCode, 0);
        checkImage(m_output + "/image.dmg", "Vol");
    }

    // Through the engine, as the application runs it: arguments, password on standard input, and
    // the tool's progress on a pipe, ending at the bytes staged. The plain image's arguments are the
    // encrypted one's without the encryption.
    void builder_encryptedDiskImage_opensWithItsPasswordNamedAfterTheVolume() {
        const QString password = "pässwörd ✓ 密码";
        makeTree(m_stage, {"f:Report/summary.txt", "x:Report/tools/run.sh", "l:Report/latest>summary.txt"});
        const QString image = m_output + "/Report.dmg";
        RunProgress progress;
        ArchiveBuilder(ArchiveTools{.diskImage = DISK_IMAGE_TOOL})
            .createArchive({.items = {QUrl::fromLocalFile(m_stage + "/Report")},
                            .output = QUrl::fromLocalFile(image),
                            .volumeName = "Zürich ✓ Quartalsbericht Q — 2026",
                            .format = ArchiveFormat::encryptedDiskImage,
                            .password = password},
                           {}, &progress);
        QVERIFY(progress.total > 0);
        QCOMPARE(progress.done.load(), progress.total.load());
        QFile file(image);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QCOMPARE(decrypted(contents, "pässwörd ✓ 密"), QByteArray());
        QFile plain(image + ".plain.dmg");
        QVERIFY(plain.open(QIODevice::WriteOnly) && plain.write(decrypted(contents, password.toUtf8())) > 0);
        plain.close();
        checkImage(plain.fileName(), "Zürich ✓ Quartalsbericht Q");
    }

    void create_progress_risesToTheImageSize() {
        makeTree(m_stage, {"z:zeros.bin", "f:small.txt"});
        QTemporaryFile report;
        QVERIFY(report.open());
        QStringList arguments = createArguments(m_stage, false);
        arguments.insert(arguments.size() - 1, "-progressfd");
        const int inherited = ::dup(report.handle()); // without close-on-exec
        arguments.insert(arguments.size() - 1, QString::number(inherited));
        const Outcome outcome = runProgram(DISK_IMAGE_TOOL, arguments);
        ::close(inherited);
        QVERIFY2(outcome.exitCode == 0, outcome.error.constData());
        const QList<qint64> counts = progressReports(report);
        QVERIFY(!counts.isEmpty());
        QVERIFY(counts.last() >= (3 << 20));
    }

    void create_refused_failsWithOneLineAndLeavesNothing_data() {
        // SRC, OUT and TAKEN stand for the source, a free output name and an existing file.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        const QStringList head{"create", "-srcfolder", "SRC", "-volname", "V", "-format"};
        QTest::newRow("no arguments") << QStringList() << QByteArray();
        QTest::newRow("another format") << head + QStringList{"UDRW", "OUT"} << QByteArray();
        QTest::newRow("password not on standard input")
            << head + QStringList{"UDZO", "-encryption", "AES-256", "OUT"} << QByteArray();
        QTest::newRow("a missing source folder")
            << QStringList{"create", "-srcfolder", "SRC/gone", "-volname", "V", "-format", "UDZO", "OUT"}
            << QByteArray();
        QTest::newRow("an empty password")
            << head + QStringList{"UDZO", "-encryption", "AES-256", "-stdinpass", "OUT"} << QByteArray("\n");
        QTest::newRow("an output that exists") << head + QStringList{"UDZO", "TAKEN"} << QByteArray();
        QTest::newRow("a progress descriptor that is not open")
            << head + QStringList{"UDZO", "-progressfd", "99", "OUT"} << QByteArray();
    }
    void create_refused_failsWithOneLineAndLeavesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        makeTree(m_stage, {"f:a.txt"});
        makeTree(m_output, {"f:taken.dmg"});
        arguments.replaceInStrings("SRC", m_stage)
            .replaceInStrings("OUT", m_output + "/image.dmg")
            .replaceInStrings("TAKEN", m_output + "/taken.dmg");
        const Outcome outcome = runProgram(DISK_IMAGE_TOOL, arguments, {}, input);
        QVERIFY(outcome.exitCode != 0 && !outcome.crashed);
        QCOMPARE(outcome.error.count('\n'), 1);
        QVERIFY(outcome.error.size() > 1 && outcome.error.endsWith('\n'));
        QCOMPARE(
            describe(m_output),
            QStringList{"taken.dmg 644 " +
                        QCryptographicHash::hash("contents of taken.dmg", QCryptographicHash::Sha1).toHex()});
    }

    void verify_image_passesOnlyWhenIntact_data() {
        QTest::addColumn<bool>("encrypted");
        QTest::addColumn<qint64>("flipped"); // 0: nothing
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<bool>("passes");
        QTest::newRow("intact") << false << qint64(0) << QByteArray() << true;
        QTest::newRow("encrypted, intact") << true << qint64(0) << QByteArray("pässwort\n") << true;
        QTest::newRow("trailer's data checksum") << false << qint64(-512 + 91) << QByteArray() << false;
        QTest::newRow("encrypted, data")
            << true << qint64(122368 + 1000) << QByteArray("pässwort\n") << false;
        QTest::newRow("encrypted, wrong password") << true << qint64(0) << QByteArray("passwort\n") << false;
    }
    void verify_image_passesOnlyWhenIntact() {
        QFETCH(bool, encrypted);
        QFETCH(qint64, flipped);
        QFETCH(QByteArray, password);
        QFETCH(bool, passes);
        makeTree(m_stage, {"f:notes.txt", "r:random.bin", "z:zeros.bin"});
        QCOMPARE(runProgram(DISK_IMAGE_TOOL, createArguments(m_stage, encrypted), {}, "pässwort\n").exitCode,
                 0);
        const QString image = m_output + "/image.dmg";
        if (flipped != 0)
            QVERIFY(flipByte(image, flipped));
        const Outcome outcome = runProgram(
            DISK_IMAGE_TOOL,
            QStringList{"verify"} + (password.isEmpty() ? QStringList() : QStringList{"-stdinpass"}) +
                QStringList{image},
            {}, password);
        QCOMPARE(outcome.exitCode == 0, passes);
        QCOMPARE(outcome.error.count('\n'), passes ? 0 : 1);
    }

    // As the read-back runs it: a damaged image fails with the tool's own line.
    void readBack_diskImage_passesIntact_failsDamagedWithTheToolsReason() {
        makeTree(m_stage, {"f:notes.txt"});
        QCOMPARE(runProgram(DISK_IMAGE_TOOL, createArguments(m_stage, false)).exitCode, 0);
        const QString image = m_output + "/image.dmg";
        const ArchiveVerifier verifier({}, nullptr, ArchiveVerifier::diskImageTool(DISK_IMAGE_TOOL));
        QCOMPARE(verifier.verify(image, ArchiveFormat::diskImage, {}, std::nullopt).result,
                 ReadBack::Result::passed);
        QVERIFY(flipByte(image, 100));
        const ReadBack damaged = verifier.verify(image, ArchiveFormat::diskImage, {}, std::nullopt);
        QCOMPARE(damaged.result, ReadBack::Result::failed);
        QVERIFY(damaged.reason.startsWith("The disk image is damaged: "));
    }

    void readBack_diskImageCancelled_stopsTheTool() {
        makeTree(m_stage, {"x:slow"});
        QFile script(m_stage + "/slow");
        QVERIFY(script.open(QIODevice::WriteOnly) &&
                script.write("#!/bin/sh\n: > \"$0.started\"\nexec sleep 60\n") > 0);
        script.close();
        const CancellationToken cancellation;
        const QString started = script.fileName() + ".started";
        // Cancelled once the tool is surely running; it would take a minute by itself.
        const std::jthread stop([cancellation, started](std::stop_token stopping) {
            // A plain thread has no event loop to wait on, so it polls the marker itself.
            while (!stopping.stop_requested() && !QFile::exists(started))
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            cancellation.cancel();
        });
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY_THROWS_EXCEPTION(CompressionError,
                                 ArchiveVerifier::diskImageTool(script.fileName())(
                                     m_output + "/x.dmg", std::nullopt, cancellation.token()));
        QVERIFY2(elapsed.elapsed() < 45000, qPrintable(QString::number(elapsed.elapsed())));
    }

    void create_terminated_endsAtOnceAndLeavesNothing() {
        QFile big(m_stage + "/big.bin");
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(2) << 30)); // sparse: no disk space
        big.close();
        QProcess tool;
        tool.start(DISK_IMAGE_TOOL, createArguments(m_stage, false));
        // The image can appear before the event loop has seen the start.
        QVERIFY(tool.waitForStarted(30000));
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(m_output + "/image.dmg"); }, 30000));
        QCOMPARE(tool.state(), QProcess::Running);
        ::kill(pid_t(tool.processId()), SIGTERM);
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitStatus(), QProcess::CrashExit); // ended by the signal, not by finishing
        QCOMPARE(describe(m_output), QStringList());
    }
};

QTEST_GUILESS_MAIN(DiskImageTest)
#include "tst_diskimage.moc"
