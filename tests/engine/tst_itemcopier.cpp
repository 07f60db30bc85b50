#include "EngineTestSupport.h"
#include "Translations.h"
#include "engine/ItemCopier.h"
#include "engine/PlatformError.h"
#include "engine/StagingFolder.h"

#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace EngineTest;
namespace fs = std::filesystem;

Q_DECLARE_METATYPE(ItemCopier::Method)

namespace {

fs::path bytePath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

struct stat statOf(const fs::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        info.st_mode = 0;
    return info;
}

void setTimes(const fs::path& path, time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

} // namespace

class ItemCopierTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    fs::path m_source;
    fs::path m_target;

    static void addMethods() {
        QTest::addColumn<ItemCopier::Method>("method");
        QTest::newRow("hard link when possible") << ItemCopier::Method::linkWhenPossible;
        QTest::newRow("true copy") << ItemCopier::Method::copyContents;
    }

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }
    // QDir cannot see names that are not UTF-8, so QTemporaryDir could not remove them.
    void cleanupTestCase() { fs::remove_all(bytePath(m_folder.path())); }

    void init() {
        StagingFolder::removeTree(bytePath(m_folder.path() + QStringLiteral("/source")));
        StagingFolder::removeTree(bytePath(m_folder.path() + QStringLiteral("/target")));
        QVERIFY(QDir().mkpath(m_folder.path() + QStringLiteral("/source")));
        QVERIFY(QDir().mkpath(m_folder.path() + QStringLiteral("/target")));
        m_source = bytePath(m_folder.path() + QStringLiteral("/source"));
        m_target = bytePath(m_folder.path() + QStringLiteral("/target"));
    }

    void copyItem_file_keepsContentsModeAndTime_data() { addMethods(); }
    void copyItem_file_keepsContentsModeAndTime() {
        QFETCH(ItemCopier::Method, method);
        const QByteArray contents = QByteArray(3 << 20, 'a') + "end";
        writeFile(QString::fromStdString(m_source / "notes.txt"), contents);
        ::chmod((m_source / "notes.txt").c_str(), 0640);
        setTimes(m_source / "notes.txt", 978307200); // 2001-01-01

        ItemCopier(method).copyItem(m_source / "notes.txt", m_target / "notes.txt");

        QFile copy(QString::fromStdString(m_target / "notes.txt"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), contents);
        const struct stat original = statOf(m_source / "notes.txt");
        const struct stat staged = statOf(m_target / "notes.txt");
        QCOMPARE(staged.st_mode & 07777, 0640u);
        QCOMPARE(staged.st_mtim.tv_sec, time_t(978307200));
        // A true copy is a file of its own: the staging folder's removal must never touch the original.
        QCOMPARE(staged.st_ino == original.st_ino, method == ItemCopier::Method::linkWhenPossible);
    }

    void copyItem_ontoExistingTarget_failsWithFileExists_data() { addMethods(); }
    void copyItem_ontoExistingTarget_failsWithFileExists() {
        QFETCH(ItemCopier::Method, method);
        writeFile(QString::fromStdString(m_source / "notes.txt"), "new");
        writeFile(QString::fromStdString(m_target / "notes.txt"), "old");
        try {
            ItemCopier(method).copyItem(m_source / "notes.txt", m_target / "notes.txt");
            QFAIL("an existing file was replaced");
        } catch (const PlatformError& error) {
            QCOMPARE(error.errorNumber(), EEXIST);
            QCOMPARE(error.errorDescription(), qtTrId("error.copy").arg(u"notes.txt", u"File exists"));
        }
        QFile kept(QString::fromStdString(m_target / "notes.txt"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("old"));
    }

    void copyItem_symbolicLink_staysALink() {
        QVERIFY(::symlink("../elsewhere/target.txt", (m_source / "link").c_str()) == 0);
        setTimes(m_source / "link", 1000000000);
        ItemCopier().copyItem(m_source / "link", m_target / "link");
        QVERIFY(S_ISLNK(statOf(m_target / "link").st_mode));
        QCOMPARE(fs::read_symlink(m_target / "link").native(), std::string("../elsewhere/target.txt"));
        QCOMPARE(statOf(m_target / "link").st_mtim.tv_sec, time_t(1000000000));
    }

    void copyItem_socket_isLeftOut() {
        const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = (m_source / "socket").native();
        QVERIFY(path.size() < sizeof(address.sun_path));
        std::copy(path.begin(), path.end(), address.sun_path);
        QVERIFY(::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0);
        ItemCopier().copyItem(m_source / "socket", m_target / "socket");
        ::close(descriptor);
        QCOMPARE(statOf(m_target / "socket").st_mode, mode_t(0));
    }

    void copyFolderContents_keepsNamesBytesModesAndTimes_data() { addMethods(); }
    void copyFolderContents_keepsNamesBytesModesAndTimes() {
        QFETCH(ItemCopier::Method, method);
        const fs::path folder = m_source / "Folder";
        const fs::path inner = folder / "Inner";
        const std::string latin1Name = "caf\xe9.txt"; // not UTF-8
        fs::create_directories(inner);
        writeFile(QString::fromStdString(inner / "deep.txt"), "deep");
        writeRawFile(folder / latin1Name);
        ::chmod(inner.c_str(), 0750);
        setTimes(inner, 1014000000);
        ::chmod(folder.c_str(), 0555); // the copy must still be filled, and removable afterwards
        setTimes(folder, 1015000000);

        ItemCopier(method).copyFolderContents(folder, m_target / "Folder", false);
        ::chmod(folder.c_str(), 0755);

        QVERIFY(fs::exists(m_target / "Folder" / latin1Name));
        QVERIFY(fs::exists(m_target / "Folder" / "Inner" / "deep.txt"));
        QCOMPARE(statOf(m_target / "Folder").st_mode & 07777, 0555u);
        QCOMPARE(statOf(m_target / "Folder").st_mtim.tv_sec, time_t(1015000000));
        QCOMPARE(statOf(m_target / "Folder" / "Inner").st_mode & 07777, 0750u);
        QCOMPARE(statOf(m_target / "Folder" / "Inner").st_mtim.tv_sec, time_t(1014000000));

        StagingFolder::removeTree(m_target / "Folder");
        QVERIFY(!fs::exists(m_target / "Folder"));
    }

    void copyFolderContents_intoExistingFolder_merges_butNeverReplacesAFile() {
        writeFile(QString::fromStdString(m_source / "A" / "Docs" / "a.txt"), "a");
        writeFile(QString::fromStdString(m_source / "B" / "Docs" / "b.txt"), "b");
        writeFile(QString::fromStdString(m_source / "C" / "Docs" / "a.txt"), "other a");
        ::chmod((m_source / "A" / "Docs").c_str(), 0555);

        const ItemCopier copier;
        copier.copyFolderContents(m_source / "A" / "Docs", m_target / "Docs", false);
        copier.copyFolderContents(m_source / "B" / "Docs", m_target / "Docs", false);
        QCOMPARE(entries(QString::fromStdString(m_target / "Docs")), (QStringList{"a.txt", "b.txt"}));
        QVERIFY_THROWS_EXCEPTION(
            PlatformError, copier.copyFolderContents(m_source / "C" / "Docs", m_target / "Docs", false));
        ::chmod((m_source / "A" / "Docs").c_str(), 0755);
    }

private:
    static void writeRawFile(const fs::path& path) {
        const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(descriptor >= 0);
        QCOMPARE(::write(descriptor, "latin", 5), ssize_t(5));
        ::close(descriptor);
    }
};

QTEST_GUILESS_MAIN(ItemCopierTest)
#include "tst_itemcopier.moc"
