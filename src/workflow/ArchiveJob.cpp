#include "ArchiveJob.h"

#include "DestinationResolver.h"
#include "engine/ArchiveBuilder.h"
#include "engine/CompressionError.h"
#include "engine/LocalPath.h"

#include <QFileInfo>

ArchiveJob::Outcome ArchiveJob::perform(const ArchiveBuilder* builder, const ArchiveJob& job) {
    Outcome outcome;
    try {
        ArchiveRequest request = job.request;
        request.output =
            DestinationResolver::uniqueArchiveURL(job.folder, request.volumeName, request.format);
        CreatedArchive created =
            builder->createArchive(request, job.cancellation.token(), job.progress.get());
        outcome.archiveURL = std::move(created.archive);
        outcome.manifest = std::move(created.manifest);
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
        return ArchiveVerifier(cancellation.token(), bytesDone,
                               ArchiveVerifier::diskImageTool(bundledDiskImageTool()))
            .verify(archivePath, format, manifest, password);
    } catch (const CompressionError& error) {
        if (error.kind() == CompressionError::Kind::cancelled)
            return {ReadBack::Result::failed, {}};
        return {ReadBack::Result::failed, qtTrId("error.failed")};
    } catch (...) {
        return {ReadBack::Result::failed, qtTrId("error.failed")};
    }
}
