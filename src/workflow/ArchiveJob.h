#pragma once

#include "engine/ArchiveFormat.h"
#include "engine/ArchiveRequest.h"
#include "engine/ArchiveVerifier.h"
#include "engine/CancellationToken.h"
#include "engine/RunProgress.h"
#include "engine/StagedManifest.h"

#include <QString>
#include <QUrl>

#include <exception>
#include <memory>
#include <optional>

class ArchiveBuilder;

// One archive to make on a worker thread. It holds its inputs by value, so the run may go on (or
// go away) while the job works.
struct ArchiveJob {
    // The archive written, or why it was not: the failure travels as a value so that nothing is
    // thrown through the future.
    struct Outcome {
        QUrl archiveURL;
        std::exception_ptr failure;
        StagedManifest manifest; // what was staged, to read the archive back against
    };

    // What to make; its output is named in `folder` when the job runs, after the volume name. Its
    // password shares the run's copy; the job goes before its future reports, so the run's wipe
    // reaches it.
    ArchiveRequest request;
    QUrl folder;
    // The run's: once Stop is pressed the copying or the tool ends at once.
    CancellationToken cancellation;
    // Where the job tells how far it has got; the run keeps it to show progress.
    std::shared_ptr<RunProgress> progress;

    // Blocking: picks the free file name and has the builder write the archive there.
    static Outcome perform(const ArchiveBuilder* builder, const ArchiveJob& job);

    // Blocking: reads the written archive back against what was staged. A stop ends it as a
    // failure without a reason (the originals then stay).
    static ReadBack readBack(QUrl archiveURL, ArchiveFormat format, StagedManifest manifest,
                             std::optional<QString> password, CancellationToken cancellation,
                             std::shared_ptr<RunProgress> progress);
};
