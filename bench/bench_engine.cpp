// Measures what staging costs: makes a zip and a tar.gz of one generated data set through
// ArchiveBuilder::createArchive and by running the same tools directly on the original folder,
// alternating, and prints the median wall-time ratio engine/direct. With "--speed-up", measures
// instead what the engine gains over the single-core tools on a mixed folder. Not a test; run it
// through scripts/bench-engine.

#include "engine/ArchiveBuilder.h"
#include "engine/ToolRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The zip writer as built beside this program, not as installed.
ArchiveTools benchTools() {
    ArchiveTools tools;
    tools.zipWriter = QStringLiteral(BALEWICK_ZIP_WRITER);
    return tools;
}

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

// Bytes that do not compress, as in a photo or a video (a fixed xorshift sequence).
QByteArray noise(std::uint64_t& state, qsizetype size) {
    QByteArray result(size, Qt::Uninitialized);
    for (qsizetype index = 0; index < size; index += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(result.data() + index, &state, size_t(std::min<qsizetype>(8, size - index)));
    }
    return result;
}

bool writeWhole(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(contents) == contents.size();
}

// What people archive: 3,000 small text files, program binaries, and one large file that is
// already compressed; about 220 MB.
bool generateMixedDataSet(const QString& root) {
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    for (int index = 0; index < 3000; ++index) {
        const QString path = root + QStringLiteral("/documents/%1/note%2.txt").arg(index / 100).arg(index);
        if (!writeWhole(path, text(state, 256 + qsizetype(index * 7919) % 12000)))
            return false;
    }
    qint64 programBytes = 0;
    if (!QDir().mkpath(root + QStringLiteral("/programs")))
        return false;
    const QFileInfoList programs = QDir(QStringLiteral("/usr/bin")).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& program : programs) {
        if (programBytes > (100 << 20))
            break;
        if (program.isSymLink() || !program.isReadable())
            continue;
        if (!QFile::copy(program.filePath(), root + QStringLiteral("/programs/") + program.fileName()))
            continue;
        programBytes += program.size();
    }
    QDir().mkpath(root + QStringLiteral("/videos"));
    QFile video(root + QStringLiteral("/videos/holiday.mp4"));
    if (!video.open(QIODevice::WriteOnly))
        return false;
    for (int chunk = 0; chunk < 80; ++chunk) {
        const QByteArray block = noise(state, 1 << 20);
        if (video.write(block) != block.size())
            return false;
    }
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double seconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The engine (whatever each format runs now) against the single-core tool run directly, each
// format `runs` times, alternating; the speed-ups are medians of single-core time / engine time.
int speedUps(int runs) {
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/bench_engine-XXXXXX"));
    const QString data = work.filePath(QStringLiteral("data"));
    std::printf("generating 3,000 text files, programs from /usr/bin and an 80 MB compressed file in %s\n",
                qPrintable(work.path()));
    std::fflush(stdout);
    if (!work.isValid() || !generateMixedDataSet(data)) {
        std::fprintf(stderr, "cannot generate the data set\n");
        return 1;
    }
    const ArchiveBuilder builder(benchTools());
    const QString tar = ArchiveTools().tar;
    struct Comparison {
        ArchiveFormat format;
        const char* label;
        QString tool;
        QStringList arguments; // OUT stands for the output
    };
    const QList<Comparison> comparisons{
        {ArchiveFormat::zip,
         "zip speed-up over zip -r",
         QStringLiteral("/usr/bin/zip"),
         {"-r", "-y", "-q", "OUT", "data"}},
        {ArchiveFormat::gzip, "tar.gz speed-up over tar -z", tar, {"-czf", "OUT", "data"}},
        {ArchiveFormat::bzip2, "tar.bz2 speed-up over tar -j", tar, {"-cjf", "OUT", "data"}}};
    QStringList results;
    try {
        for (const Comparison& comparison : comparisons) {
            const QString engineOutput =
                work.filePath(QStringLiteral("engine.") + fileExtension(comparison.format));
            const QString directOutput =
                work.filePath(QStringLiteral("direct.") + fileExtension(comparison.format));
            std::vector<double> ratios;
            double sizeRatio = 0;
            for (int run = 0; run < runs; ++run) {
                double engine = 0;
                double direct = 0;
                for (int turn = 0; turn < 2; ++turn) {
                    if ((turn + run) % 2 == 0) {
                        engine = seconds([&] {
                            builder.createArchive({.items = {QUrl::fromLocalFile(data)},
                                                   .output = QUrl::fromLocalFile(engineOutput),
                                                   .format = comparison.format},
                                                  {});
                        });
                    } else {
                        QStringList arguments = comparison.arguments;
                        arguments.replaceInStrings(QStringLiteral("OUT"), directOutput);
                        direct = seconds([&] { ToolRunner().run(comparison.tool, arguments, work.path()); });
                    }
                }
                sizeRatio = double(QFileInfo(engineOutput).size()) / double(QFileInfo(directOutput).size());
                QFile::remove(engineOutput);
                QFile::remove(directOutput);
                std::printf("run %d %-7s engine %6.2f s  single-core %6.2f s  size ratio %.4f\n", run + 1,
                            qPrintable(fileExtension(comparison.format)), engine, direct, sizeRatio);
                std::fflush(stdout);
                ratios.push_back(direct / engine);
            }
            if (comparison.format == ArchiveFormat::zip)
                results.prepend(
                    QStringLiteral("zip size ratio (engine/zip -r): %1").arg(sizeRatio, 0, 'f', 4));
            results.append(
                QStringLiteral("%1: %2").arg(QLatin1String(comparison.label)).arg(median(ratios), 0, 'f', 2));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "archiving failed: %s\n", error.what());
        return 1;
    }
    results.append(QStringLiteral("cores: %1").arg(QThread::idealThreadCount()));
    for (const QString& line : results)
        std::printf("%s\n", qPrintable(line));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // Other benchmarks measure on the same data: "--data-set FOLDER" only generates it there.
    if (argc == 3 && QByteArray(argv[1]) == "--data-set")
        return generateDataSet(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    // "--speed-up [RUNS]": the engine against the single-core tools.
    if (argc >= 2 && QByteArray(argv[1]) == "--speed-up")
        return speedUps(argc > 2 ? std::max(1, atoi(argv[2])) : 1);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    // "RUNS --data-in FOLDER LABEL": the data set and the archives in FOLDER instead, and LABEL
    // after the figure's name (the temporary folder then lies on another filesystem).
    const bool elsewhere = argc == 5 && QByteArray(argv[2]) == "--data-in";
    const QString label = elsewhere ? QString::fromLocal8Bit(argv[4]) : QString();

    // By default the data set sits in the temporary directory, like the staging folder, as on a
    // system whose home and temporary directory share one filesystem.
    QTemporaryDir work(elsewhere ? QString::fromLocal8Bit(argv[3]) + QStringLiteral("/bench-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/bench_engine-XXXXXX"));
    // The zip writer archives the whole folder it starts in: it holds the data set alone.
    const QString root = work.filePath(QStringLiteral("source"));
    const QString data = root + QStringLiteral("/data");
    std::printf("generating 2,000 text files in 50 folders and one 100 MB file in %s\n",
                qPrintable(work.path()));
    std::fflush(stdout);
    if (!work.isValid() || !generateDataSet(data)) {
        std::fprintf(stderr, "cannot generate the data set\n");
        return 1;
    }

    const ArchiveTools tools = benchTools();
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
        // The tools the engine runs, with the same options, so that only staging differs.
        if (format == ArchiveFormat::zip) {
            const int folder = ::open(QFile::encodeName(work.path()).constData(), O_RDONLY | O_DIRECTORY);
            ToolRunner::Context context;
            context.folders.output = folder;
            ToolRunner().run(tools.zipWriter,
                             {QStringLiteral("--folder-fd=%1").arg(folder), QFileInfo(output).fileName()},
                             root, std::nullopt, context);
            ::close(folder);
        } else {
            ToolRunner().run(tools.tar, {QStringLiteral("-cf"), output, QStringLiteral("-I"),
                                         tools.compressorCommand(ArchiveFormat::gzip), QStringLiteral("-C"),
                                         root, QStringLiteral("data")});
        }
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
