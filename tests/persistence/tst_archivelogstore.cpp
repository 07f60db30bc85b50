#include "TemporarySettings.h"
#include "persistence/ArchiveLogCoding.h"
#include "persistence/ArchiveLogStore.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

const QUuid knownId = QUuid::fromString(QStringLiteral("0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9"));
const QByteArray knownIdText = "0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0F9";

ArchiveLogEntry entry(const QString& path, std::optional<int> format, qint64 msecsSinceReference = 0) {
    return {QUuid::createUuid(), ArchiveLogCoding::referenceDate().addMSecs(msecsSinceReference), path,
            format};
}

QByteArray storedLog(TemporarySettings& file) {
    return file.reopenFromDisk()->value(ArchiveLogStore::key()).toByteArray();
}

} // namespace

class ArchiveLogStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void encode_writesTheExactStoredForm() {
        const QList<ArchiveLogEntry> entries{
            {knownId, ArchiveLogCoding::referenceDate().addMSecs(786297600500),
             "/home/ann/Archives/Report.tar.gz", std::nullopt},
            {knownId, ArchiveLogCoding::referenceDate(), QStringLiteral("/tmp/a\\b/\"c\" é"), 3},
        };

        const QByteArray expected = "[{\"date\":786297600.5,\"id\":\"" + knownIdText +
                                    "\",\"path\":\"\\/home\\/ann\\/Archives\\/Report.tar.gz\"},"
                                    "{\"date\":0,\"format\":3,\"id\":\"" +
                                    knownIdText + "\",\"path\":\"\\/tmp\\/a\\\\b\\/\\\"c\\\" \xc3\xa9\"}]";
        QCOMPARE(ArchiveLogCoding::encode(entries), expected);
        QCOMPARE(ArchiveLogCoding::decode(expected), std::optional(entries));
    }

    void decode_readsAStoredRecord() {
        const QByteArray bytes =
            "[{\"path\":\"/Volumes/Disk/x.dmg\",\"id\":\"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9\","
            "\"date\":0.25,\"format\":null,\"comment\":\"ignored\"}]";
        const std::optional<QList<ArchiveLogEntry>> entries = ArchiveLogCoding::decode(bytes);

        QVERIFY(entries);
        QCOMPARE(entries->size(), 1);
        QCOMPARE(entries->first().id, knownId);
        QCOMPARE(entries->first().date, QDateTime::fromString("2001-01-01T00:00:00.250Z", Qt::ISODateWithMs));
        QCOMPARE(entries->first().path, QStringLiteral("/Volumes/Disk/x.dmg"));
        QCOMPARE(entries->first().format, std::nullopt);
    }

    void load_storedBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("expectedCount"); // -1: does not decode

        const QByteArray id = "\"id\":\"" + knownIdText + "\"";
        const QByteArray good = "{" + id + ",\"date\":1.5,\"path\":\"/a/b.zip\"}";
        QTest::newRow("empty array") << QByteArray("[]") << 0;
        QTest::newRow("plain slashes, lower-case id")
            << QByteArray(
                   "[{\"id\":\"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f9\",\"date\":1,\"path\":\"/a/b.zip\"}]")
            << 1;
        QTest::newRow("format null") << "[{" + id + ",\"date\":1,\"path\":\"/a\",\"format\":null}]" << 1;
        QTest::newRow("format out of range") << "[{" + id + ",\"date\":1,\"path\":\"/a\",\"format\":9}]" << 1;
        QTest::newRow("indented") << "[\n  " + good + ",\n  " + good + "\n]\n" << 2;
        QTest::newRow("no bytes") << QByteArray() << -1;
        QTest::newRow("not JSON") << QByteArray("BWArchiveLog") << -1;
        QTest::newRow("truncated") << "[" + good.left(30) << -1;
        QTest::newRow("an object") << good << -1;
        QTest::newRow("null") << QByteArray("null") << -1;
        QTest::newRow("an array of numbers") << QByteArray("[1,2]") << -1;
        QTest::newRow("missing id") << QByteArray("[{\"date\":1,\"path\":\"/a\"}]") << -1;
        QTest::newRow("missing date") << "[{" + id + ",\"path\":\"/a\"}]" << -1;
        QTest::newRow("missing path") << "[{" + id + ",\"date\":1}]" << -1;
        QTest::newRow("id not a UUID") << QByteArray("[{\"id\":\"42\",\"date\":1,\"path\":\"/a\"}]") << -1;
        QTest::newRow("id in braces")
            << "[{\"id\":\"{" + knownIdText + "}\",\"date\":1,\"path\":\"/a\"}]" << -1;
        QTest::newRow("date a text") << "[{" + id + ",\"date\":\"x\",\"path\":\"/a\"}]" << -1;
        QTest::newRow("date a number in text") << "[{" + id + ",\"date\":\"12\",\"path\":\"/a\"}]" << -1;
        QTest::newRow("date beyond any calendar") << "[{" + id + ",\"date\":1e300,\"path\":\"/a\"}]" << -1;
        QTest::newRow("format a text") << "[{" + id + ",\"date\":1,\"path\":\"/a\",\"format\":\"3\"}]" << -1;
        QTest::newRow("format a fraction")
            << "[{" + id + ",\"date\":1,\"path\":\"/a\",\"format\":1.5}]" << -1;
        QTest::newRow("path a number") << "[{" + id + ",\"date\":1,\"path\":5}]" << -1;
        QTest::newRow("one bad entry among good ones")
            << "[" + good + ",{" + id + ",\"date\":1}," + good + "]" << -1;
    }

    void load_storedBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, expectedCount);

        TemporarySettings file;
        file.seed([&](QSettings& settings) { settings.setValue(ArchiveLogStore::key(), bytes); });
        auto settings = file.open();
        ArchiveLogStore store(settings.get());

        QCOMPARE(store.entries().size(), qMax(expectedCount, 0));
        if (expectedCount >= 0)
            return;
        // The unreadable value stays as it was until the next append replaces it.
        settings->sync();
        QCOMPARE(settings->value(ArchiveLogStore::key()).toByteArray(), bytes);
        store.append("/home/ann/new.zip", ArchiveFormat::zip);
        const std::optional<QList<ArchiveLogEntry>> stored =
            ArchiveLogCoding::decode(settings->value(ArchiveLogStore::key()).toByteArray());
        QVERIFY(stored);
        QCOMPARE(stored->size(), 1);
        QCOMPARE(stored->first().path, QStringLiteral("/home/ann/new.zip"));
    }

    void load_aTextInsteadOfBytes_isIgnoredUntilTheNextAppend() {
        TemporarySettings file;
        const QByteArray line = "BWArchiveLog=\"[{\\\"id\\\":\\\"" + knownIdText +
                                "\\\",\\\"date\\\":1,\\\"path\\\":\\\"/a\\\"}]\"";
        file.writeText("[General]\n" + line + "\nBWTrashOriginals=true\n");
        auto settings = file.open();
        ArchiveLogStore store(settings.get());

        QVERIFY(store.entries().isEmpty());
        QVERIFY(file.text().contains(line));

        store.append("/a/b.tar", ArchiveFormat::tar);
        QVERIFY(file.text().contains("BWArchiveLog=\"@ByteArray("));
        QVERIFY(file.text().contains("BWTrashOriginals=true"));
    }

    void append_storesTheWholeLogAsBytesAtOnce() {
        TemporarySettings file;
        auto settings = file.open();
        ArchiveLogStore store(settings.get());
        QSignalSpy changes(&store, &ArchiveLogStore::entriesChanged);
        const QDateTime before = QDateTime::currentDateTimeUtc();

        store.append("/home/ann/x.zip", ArchiveFormat::encryptedZip);
        store.append("/home/ann/x.zip", ArchiveFormat::encryptedZip);

        QCOMPARE(changes.size(), 2);
        QCOMPARE(store.entries().size(), 2);
        const ArchiveLogEntry& newest = store.entries().first();
        QCOMPARE(newest.id.version(), QUuid::Random);
        QVERIFY(newest.id != store.entries().at(1).id);
        QVERIFY(newest.date >= before && newest.date <= QDateTime::currentDateTimeUtc());
        QCOMPARE(newest.format, std::optional<int>(6));

        // Written to the file itself, not only to QSettings' memory.
        QVERIFY(file.text().contains("BWArchiveLog=\"@ByteArray([{"));
        QCOMPARE(storedLog(file), ArchiveLogCoding::encode(store.entries()));
    }

    void append_roundTripsThroughTheFile() {
        TemporarySettings file;
        QList<ArchiveLogEntry> written;
        {
            auto settings = file.open();
            ArchiveLogStore store(settings.get());
            store.append(QStringLiteral("/home/ann/Ä, \"quoted\"\\odd/Report.tar.gz"), ArchiveFormat::gzip);
            store.append("/home/ann/b.dmg", ArchiveFormat::diskImage);
            written = store.entries();
        }
        auto settings = file.reopenFromDisk();
        ArchiveLogStore reread(settings.get());

        QCOMPARE(reread.entries(), written);
    }

    void append_toALongStoredLog_keepsTheNewest200() {
        QList<ArchiveLogEntry> stored;
        for (int index = 0; index < 250; ++index)
            stored.append(entry(QStringLiteral("/a/%1.zip").arg(index), index % 7, 1000 * (250 - index)));
        TemporarySettings file;
        file.seed([&](QSettings& settings) {
            settings.setValue(ArchiveLogStore::key(), ArchiveLogCoding::encode(stored));
        });
        auto settings = file.open();
        ArchiveLogStore store(settings.get());
        QCOMPARE(store.entries(), stored);

        store.append("/a/new.zip", ArchiveFormat::tar);

        QCOMPARE(store.entries().size(), ArchiveLogStore::limit);
        QCOMPARE(store.entries().first().path, QStringLiteral("/a/new.zip"));
        QCOMPARE(store.entries().mid(1), stored.first(ArchiveLogStore::limit - 1));
        QCOMPARE(ArchiveLogCoding::decode(storedLog(file)), std::optional(store.entries()));
    }

    void resolvedFormat_prefersAValidStoredFormat_data() {
        QTest::addColumn<std::optional<int>>("format");
        QTest::addColumn<QString>("path");
        QTest::addColumn<ArchiveFormat>("expected");

        QTest::newRow("stored") << std::optional<int>(3) << "/a/x.zip" << ArchiveFormat::bzip2;
        QTest::newRow("stored encrypted")
            << std::optional<int>(5) << "/a/x.dmg" << ArchiveFormat::encryptedDiskImage;
        QTest::newRow("absent, tar.gz") << std::optional<int>() << "/a/x.tar.gz" << ArchiveFormat::gzip;
        QTest::newRow("above range, dmg") << std::optional<int>(9) << "/a/x.dmg" << ArchiveFormat::diskImage;
        QTest::newRow("negative, other") << std::optional<int>(-1) << "/a/x.txt" << ArchiveFormat::zip;
    }

    void resolvedFormat_prefersAValidStoredFormat() {
        QFETCH(std::optional<int>, format);
        QFETCH(QString, path);
        QFETCH(ArchiveFormat, expected);

        QCOMPARE(entry(path, format).resolvedFormat(), expected);
    }
};

QTEST_GUILESS_MAIN(ArchiveLogStoreTest)
#include "tst_archivelogstore.moc"
