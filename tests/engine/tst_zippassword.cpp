// The encrypted zip's password reaches zip through a terminal of its own, never its command line.
#include "Translations.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CompressionError.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

class ZipPasswordTest final : public QObject {
    Q_OBJECT
    QTemporaryDir m_work;

    // Every process's command line and environment, as any program on the machine can read them.
    static bool visibleAnywhere(const QByteArray& secret) {
        QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
        while (processes.hasNext()) {
            const QString folder = processes.next();
            QFile commandLine(folder + QStringLiteral("/cmdline"));
            if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(secret))
                return true;
        }
        return false;
    }
    static int unzipTest(const QString& password, const QString& archive) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tqP"), password, archive});
        unzip.waitForFinished(60000);
        return unzip.exitCode();
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void encryptedZip_passwordNeverOnACommandLine_andOpensWithItOnly() {
        // Random data compresses slowly enough for many looks at the process list.
        QFile big(m_work.filePath(QStringLiteral("items/big.bin")));
        QVERIFY(QDir().mkpath(m_work.filePath(QStringLiteral("items"))) && big.open(QIODevice::WriteOnly));
        QFile random(QStringLiteral("/dev/urandom"));
        QVERIFY(random.open(QIODevice::ReadOnly));
        for (int block = 0; block < 48; ++block)
            big.write(random.read(1 << 20));
        big.close();

        const QString password = QStringLiteral("Wörter-ß-€-密码");
        const QString archive = m_work.filePath(QStringLiteral("secret.zip"));
        std::atomic_bool done = false;
        std::atomic_bool seen = false;
        std::atomic_int looks = 0;
        std::thread watcher([&] {
            while (!done) {
                seen = seen || visibleAnywhere(password.toUtf8());
                ++looks;
            }
        });
        QString failure;
        try {
            ArchiveBuilder().createArchive({QUrl::fromLocalFile(big.fileName())}, false,
                                           ArchiveFormat::encryptedZip, QUrl::fromLocalFile(archive),
                                           QString(), password, false);
        } catch (const CompressionError& error) {
            failure = error.errorDescription();
        } catch (...) {
            failure = QStringLiteral("createArchive failed");
        }
        done = true;
        watcher.join();
        QCOMPARE(failure, QString());
        QVERIFY2(looks > 3, "zip ended before the process list was looked at");
        QVERIFY(!seen);
        QCOMPARE(unzipTest(password, archive), 0);
        QVERIFY(unzipTest(QStringLiteral("Wörter-ß-€-密"), archive) != 0);
    }
};

QTEST_GUILESS_MAIN(ZipPasswordTest)
#include "tst_zippassword.moc"
