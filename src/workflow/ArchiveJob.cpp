#include "ArchiveJob.h"

#include "DestinationResolver.h"
#include "engine/ArchiveBuilder.h"

ArchiveJob::Outcome ArchiveJob::perform(const ArchiveBuilder* builder, const ArchiveJob& job) {
    Outcome outcome;
    try {
        outcome.archiveURL = DestinationResolver::uniqueArchiveURL(job.folder, job.name, job.format);
        builder->createArchive(job.items, job.omitFinderFiles, job.format, outcome.archiveURL, job.name,
                               job.password, job.omitMacMetadata, job.cancellation);
    } catch (...) {
        outcome.failure = std::current_exception();
    }
    return outcome;
}
