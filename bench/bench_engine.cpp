// Measures what staging costs: makes a zip and a tar.gz of one generated data set through
// ArchiveBuilder::createArchive and by running the same tool directly on the original folder,
// alternating, and prints the median wall-time ratio engine/direct. Not a test; run it through
// scripts/bench-engine.

#include "engine/ArchiveBuilder.h"
#include "engine/ToolRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// Text-like contents that compress roughly as real documents do (a fixed xorshift sequence).
QByteArray text(std::uint64_t& state, qsizetype size) {
    static const char* const words[] = {"archive", "balance", "folder",  "letter", "summer",
                                        "report",  "the",     "and",     "of",     "window",
                                        "river",   "number",  "quiet",   "green",  "table",
                                        "morning", "budget",  "invoice", "photo",  "garden"};
    QByteArray result;
    while (result.size() < size) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        result.append(words[state % 20]).append((state >> 8) % 12 == 0 ? '\n' : ' ');
        if ((state >> 16) % 7 == 0)
            result.append(QByteArray::number(qulonglong(state >> 40)));
    }
    result.truncate(size);
    return result;
}

bool generateDataSet(const QString& root) {
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    for (int folder = 0; folder < 50; ++folder) {
        const QString folderPath = root + QStringLiteral("/folder%1").arg(folder, 2, 10, QLatin1Char('0'));
        for (int index = 0; index < 40; ++index) {
            QFile file(folderPath + QStringLiteral("/note%1.txt").arg(index, 2, 10, QLatin1Char('0')));
            const QByteArray contents = text(state, 512 + qsizetype(folder * 131 + index * 977) % 7680);
            if (!QDir().mkpath(folderPath) || !file.open(QIODevice::WriteOnly) ||
                file.write(contents) != contents.size())
                return false;
        }
    }
    QFile big(root + QStringLiteral("/large.bin"));
    if (!big.open(QIODevice::WriteOnly))
        return false;
    for (int chunk = 0; chunk < 100; ++chunk) {
        const QByteArray block = text(state, 1 << 20);
        if (big.write(block) != block.size())
            return false;
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Other benchmarks measure on the same data: "--data-set FOLDER" only generates it there.
    if (argc == 3 && QByteArray(argv[1]) == "--data-set")
        return generateDataSet(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    // "RUNS --data-in FOLDER LABEL": the data set and the archives in FOLDER instead, and LABEL
    // after the figure's name (the temporary folder then lies on another filesystem).
    const bool elsewhere = argc == 5 && QByteArray(argv[2]) == "--data-in";
    const QString label = elsewhere ? QString::fromLocal8Bit(argv[4]) : QString();

    // By default the data set sits in the temporary directory, like the staging folder, as on a
    // system whose home and temporary directory share one filesystem.
    QTemporaryDir work(elsewhere ? QString::fromLocal8Bit(argv[3]) + QStringLiteral("/bench-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/bench_engine-XXXXXX"));
    const QString data = work.filePath(QStringLiteral("data"));
    std::printf("generating 2,000 text files in 50 folders and one 100 MB file in %s\n",
                qPrintable(work.path()));
    std::fflush(stdout);
    if (!work.isValid() || !generateDataSet(data)) {
        std::fprintf(stderr, "cannot generate the data set\n");
        return 1;
    }

    const ArchiveTools tools;
    const ArchiveBuilder builder(tools);
    const QList<ArchiveFormat> formats{ArchiveFormat::zip, ArchiveFormat::gzip};
    const auto timeEngine = [&](ArchiveFormat format, const QString& output) {
        QElapsedTimer timer;
        timer.start();
        builder.createArchive({.items = {QUrl::fromLocalFile(data)},
                               .output = QUrl::fromLocalFile(output),
                               .volumeName = QStringLiteral("data"),
                               .format = format},
                              {});
        return timer.nsecsElapsed() / 1e9;
    };
    const auto timeDirect = [&](ArchiveFormat format, const QString& output) {
        QElapsedTimer timer;
        timer.start();
        if (format == ArchiveFormat::zip)
            ToolRunner().run(tools.zip,
                             {QStringLiteral("-r"), QStringLiteral("-y"), output, QStringLiteral("data")},
                             work.path());
        else
            ToolRunner().run(tools.tar, {QStringLiteral("-czf"), output, QStringLiteral("-C"), work.path(),
                                         QStringLiteral("data")});
        return timer.nsecsElapsed() / 1e9;
    };

    std::vector<double> roundRatios;
    try {
        for (int run = 0; run < runs; ++run) {
            double engineTotal = 0;
            double directTotal = 0;
            for (int index = 0; index < formats.size(); ++index) {
                const ArchiveFormat format = formats[index];
                const QString output = work.filePath(QStringLiteral("out.") + fileExtension(format));
                double engine = 0;
                double direct = 0;
                // Alternate which goes first so that caches favour neither.
                for (int turn = 0; turn < 2; ++turn) {
                    const bool engineTurn = (turn + run) % 2 == 0;
                    (engineTurn ? engine : direct) =
                        engineTurn ? timeEngine(format, output) : timeDirect(format, output);
                    QFile::remove(output);
                }
                engineTotal += engine;
                directTotal += direct;
                std::printf("run %d %-6s engine %6.2f s  direct %6.2f s  ratio %.3f\n", run + 1,
                            qPrintable(fileExtension(format)), engine, direct, engine / direct);
                std::fflush(stdout);
            }
            roundRatios.push_back(engineTotal / directTotal);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "archiving failed: %s\n", error.what());
        return 1;
    }

    std::printf("engine/direct median wall ratio%s: %.2f\n", qPrintable(label), median(roundRatios));
    return 0;
}
