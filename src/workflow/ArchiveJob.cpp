#include "ArchiveJob.h"

#include "DestinationResolver.h"
#include "engine/ArchiveBuilder.h"
#include "engine/JobCancelledError.h"
#include "engine/LocalPath.h"

#include <QFileInfo>

ArchiveJob::Outcome ArchiveJob::perform(const ArchiveBuilder* builder, const ArchiveJob& job) {
    Outcome outcome;
    try {
        outcome.archiveURL = DestinationResolver::uniqueArchiveURL(job.folder, job.name, job.format);
        builder->createArchive(job.items, job.omitFinderFiles, job.format, outcome.archiveURL, job.name,
                               job.password, job.omitMacMetadata, job.cancellation, &outcome.manifest,
                               job.progress.get());
    } catch (...) {
        outcome.failure = std::current_exception();
    }
    return outcome;
}

ReadBack ArchiveJob::readBack(QUrl archiveURL, ArchiveFormat format, StagedManifest manifest,
                              std::optional<QString> password, CancellationToken cancellation,
                              std::shared_ptr<RunProgress> progress) {
    try {
        // The engine writes archives only where the path is also text.
        const QString archivePath = LocalPath::display(LocalPath::fromUrl(archiveURL));
        std::atomic<qint64>* bytesDone = nullptr;
        if (progress) {
            progress->begin(QFileInfo(archivePath).size(), 0);
            bytesDone = &progress->done;
        }
        return ArchiveVerifier(std::move(cancellation), bytesDone,
                               ArchiveVerifier::diskImageTool(bundledDiskImageTool()))
            .verify(archivePath, format, manifest, password);
    } catch (const JobCancelledError&) {
        return {ReadBack::Result::failed, {}};
    } catch (...) {
        return {ReadBack::Result::failed, qtTrId("error.failed")};
    }
}
