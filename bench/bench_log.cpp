// Measures the log window over a log of 10,000 entries: the time to open it, and the time each
// keystroke of a query takes to filter the rows and repaint the real view. The last line is
// "log filter per keystroke over 10000 entries: X ms" (the median).
#include "Translations.h"
#include "log/LogWindow.h"
#include "persistence/ArchiveLogCoding.h"
#include "persistence/ArchiveLogStore.h"
#include "support/FakeDesktopServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int entryCount = 10000;

QByteArray syntheticLog() {
    const QStringList folders{"Documents", "Projects/Balewick", "Pictures/2025", "Téléchargements"};
    const QStringList words{"report", "invoice", "photos", "quarterly",
                            "draft",  "Straße",  "budget", "summary"};
    const QStringList extensions{"zip", "tar", "tar.gz", "tar.bz2", "dmg", "dmg", "zip"};
    QRandomGenerator random(7);
    QList<ArchiveLogEntry> entries;
    entries.reserve(entryCount);
    const QDateTime newest = QDateTime::currentDateTimeUtc();
    for (int index = 0; index < entryCount; ++index) {
        const int format = int(random.bounded(7));
        const QString name = words.at(random.bounded(words.size())) + QLatin1Char(' ') +
                             words.at(random.bounded(words.size())) + QStringLiteral(" %1.").arg(index) +
                             extensions.at(format);
        const QString path = QStringLiteral("/home/ann/") + folders.at(random.bounded(folders.size())) +
                             QLatin1Char('/') + name;
        entries.append({QUuid::createUuid(), newest.addSecs(-60LL * index), path, format});
    }
    return ArchiveLogCoding::encode(entries);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Translations::install(application);

    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("Balewick.conf")), QSettings::IniFormat);
    settings.setValue(ArchiveLogStore::key(), syntheticLog());
    ArchiveLogStore store(&settings);
    if (store.entries().size() != entryCount) {
        std::fprintf(stderr, "bench-log: the synthetic log did not load\n");
        return 1;
    }
    FakeDesktopServices desktop;

    QElapsedTimer timer;
    timer.start();
    LogWindow window(store, desktop);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QApplication::processEvents();
    std::printf("open log window with %d entries: %.1f ms\n", entryCount, double(timer.nsecsElapsed()) / 1e6);

    auto* field = window.findChild<QLineEdit*>(QStringLiteral("log.searchField"));
    const QString query = QStringLiteral("Quarterly Report 1");
    QList<double> keystrokes;
    for (int round = 0; round < 5; ++round) {
        field->clear();
        QApplication::processEvents();
        for (const QChar character : query) {
            timer.restart();
            QTest::keyClick(field, character.toLatin1());
            // Includes the repaint of the table, which is what the user waits for.
            QApplication::processEvents();
            window.repaint();
            keystrokes.append(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(keystrokes.begin(), keystrokes.end());
    std::printf("log filter per keystroke over %d entries: %.2f ms\n", entryCount,
                keystrokes.at(keystrokes.size() / 2));
    return 0;
}
