#include "Translations.h"
#include "log/LogTableModel.h"
#include "log/LogView.h"
#include "log/LogWindow.h"
#include "persistence/ArchiveLogCoding.h"
#include "persistence/ArchiveLogStore.h"
#include "persistence/TemporarySettings.h"
#include "support/FakeDesktopServices.h"
#include "support/FocusChain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

namespace {

struct Seed {
    QString path;
    std::optional<int> format;
};

QVariantMap logValue(const QList<Seed>& seeds) {
    QList<ArchiveLogEntry> entries;
    for (const Seed& seed : seeds)
        entries.append({QUuid::createUuid(), QDateTime(QDate(2026, 5, 12), QTime(9, 30), Qt::UTC), seed.path,
                        seed.format});
    return {{ArchiveLogStore::key(), ArchiveLogCoding::encode(entries)}};
}

const QList<Seed> searchSeeds{
    {"/home/ann/Archives/Report.zip", 0}, {"/home/ann/Photos/Holiday.tar.gz", 2},
    {"/home/ann/Zipper/notes.tar", 1},    {"/home/ann/Backups/Old.dmg", std::nullopt},
    {"/home/ann/Secret.dmg", 5},          {"/home/ann/Straße/Plan.tar.bz2", 3},
    {"/home/ann/<b>x</b>.zip", 6},
};

QStringList shownPaths(const LogView& view) {
    const QAbstractItemModel* rows = view.findChild<QTableView*>("log.table")->model();
    QStringList paths;
    for (int row = 0; row < rows->rowCount(); ++row)
        paths.append(rows->index(row, LogTableModel::pathColumn).data().toString());
    return paths;
}

QStringList seedPaths(const QList<int>& indexes) {
    QStringList paths;
    for (const int index : indexes)
        paths.append(searchSeeds.at(index).path);
    return paths;
}

} // namespace

class LogWindowTest final : public QObject {
    Q_OBJECT

private:
    TemporarySettings m_settings;
    std::unique_ptr<ArchiveLogStore> m_store;
    FakeDesktopServices m_desktop;
    std::unique_ptr<LogWindow> m_kept;

    // The window over a log that holds the search seeds.
    LogView& seededView() {
        LogView& view = *LogWindow::showLogWindow(*m_store, m_desktop, &m_kept)->view();
        view.setQuery(QString());
        return view;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
        m_settings.seed(logValue(searchSeeds));
        m_store = std::make_unique<ArchiveLogStore>(m_settings.settings());
    }

    void query_matchesNamePathOrFormatName_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("blanks only") << "   " << QList<int>{0, 1, 2, 3, 4, 5, 6};
        // The gzip, bzip2 and password-protected zip entries match by their format names.
        QTest::newRow("zip in any case") << "zIP" << QList<int>{0, 1, 2, 5, 6};
        QTest::newRow("format name, inferred for .dmg") << "  disk IMAGE " << QList<int>{3, 4};
        QTest::newRow("path") << "/HOME/ann/photos/" << QList<int>{1};
        QTest::newRow("locale case rules") << "STRASSE" << QList<int>{5};
        QTest::newRow("markup is text") << "<b>x" << QList<int>{6};
        QTest::newRow("date never searched") << "2026" << QList<int>{};
    }

    void query_matchesNamePathOrFormatName() {
        QFETCH(QString, query);
        QFETCH(QList<int>, expected);
        LogView& view = seededView();
        view.findChild<QLineEdit*>("log.searchField")->setText(query);
        QCOMPARE(shownPaths(view), seedPaths(expected));
    }

    void clearButton_emptiesTheFieldOnly() {
        LogView& view = seededView();
        auto* field = view.findChild<QLineEdit*>("log.searchField");
        QTest::keyClicks(field, QStringLiteral("holiday"));
        QCOMPARE(shownPaths(view), seedPaths({1}));
        QTest::mouseClick(view.findChild<QPushButton*>("log.clear"), Qt::LeftButton);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(shownPaths(view), seedPaths({0, 1, 2, 3, 4, 5, 6}));
    }

    void showLogWindow_reusesTheKeptWindowWithItsQuery() {
        std::unique_ptr<LogWindow> kept;
        LogWindow* first = LogWindow::showLogWindow(*m_store, m_desktop, &kept);
        QCOMPARE(first, kept.get());
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QCOMPARE(shownPaths(*first->view()), seedPaths({0, 1, 2, 3, 4, 5, 6}));

        first->view()->setQuery(QStringLiteral("secret"));
        first->close();
        QCOMPARE(LogWindow::showLogWindow(*m_store, m_desktop, &kept), first);
        QVERIFY(first->isVisible());
        QCOMPARE(first->view()->query(), QStringLiteral("secret"));
        QCOMPARE(shownPaths(*first->view()), seedPaths({4}));
    }

    void append_whileFiltered_showsMatchingEntriesAtTheTop() {
        QList<Seed> seeds;
        for (int index = 0; index < ArchiveLogStore::limit; ++index)
            seeds.append(
                {QStringLiteral("/data/%1.%2").arg(index).arg(index % 2 ? "tar" : "zip"), index % 2});
        TemporarySettings settings;
        settings.seed(logValue(seeds));
        ArchiveLogStore store(settings.settings());
        LogView view(store, m_desktop);
        view.setQuery(QStringLiteral(".zip"));
        QCOMPARE(shownPaths(view).size(), 100);
        QCOMPARE(shownPaths(view).last(), QStringLiteral("/data/198.zip"));

        store.append(QStringLiteral("/data/new.zip"), ArchiveFormat::zip);
        store.append(QStringLiteral("/data/new.tar"), ArchiveFormat::tar);
        // The two appends pushed out the oldest entries, 199.tar and 198.zip.
        const QStringList shown = shownPaths(view);
        QCOMPARE(shown.size(), 100);
        QCOMPARE(shown.first(), QStringLiteral("/data/new.zip"));
        QCOMPARE(shown.at(1), QStringLiteral("/data/0.zip"));
        QCOMPARE(shown.last(), QStringLiteral("/data/196.zip"));

        view.setQuery(QString());
        QCOMPARE(shownPaths(view).first(), QStringLiteral("/data/new.tar"));
        QCOMPARE(shownPaths(view).size(), ArchiveLogStore::limit);
    }

    void revealButton_revealsThatRowsArchive() {
        LogView& view = seededView();
        QVERIFY(QTest::qWaitForWindowExposed(m_kept.get()));
        view.setQuery(QStringLiteral("tar"));
        auto* table = view.findChild<QTableView*>("log.table");
        const QModelIndex button = table->model()->index(1, LogTableModel::revealColumn);
        m_desktop.revealed.clear();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(button).center());
        const QList<QList<QUrl>> expected{{QUrl::fromLocalFile(searchSeeds.at(2).path)}};
        QCOMPARE(m_desktop.revealed, expected);
    }

    // Tab reaches the table and leaves it again; Return on a row's button cell reveals that row.
    void keyboard_everyStopNamed_returnOnTheButtonCellReveals() {
        LogView& view = seededView();
        m_kept->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_kept.get()));
        QCOMPARE(FocusChain::names(FocusChain::tabStops(m_kept.get())),
                 QStringList({"log.searchField", "log.clear", "log.table"}));
        QCOMPARE(FocusChain::unnamedStops(m_kept.get()), QStringList());
        view.findChild<QLineEdit*>("log.searchField")->setFocus(Qt::TabFocusReason);
        FocusChain::press(Qt::Key_Tab);
        FocusChain::press(Qt::Key_Tab);
        auto* table = view.findChild<QTableView*>("log.table");
        QCOMPARE(QApplication::focusWidget(), table);
        FocusChain::press(Qt::Key_Down);
        FocusChain::press(Qt::Key_End);
        QCOMPARE(table->currentIndex().column(), int(LogTableModel::revealColumn));
        m_desktop.revealed.clear();
        FocusChain::press(Qt::Key_Return);
        const QList<QList<QUrl>> expected{{QUrl::fromLocalFile(searchSeeds.at(1).path)}};
        QCOMPARE(m_desktop.revealed, expected);
        FocusChain::press(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != table);
    }
};

QTEST_MAIN(LogWindowTest)
#include "tst_logwindow.moc"
