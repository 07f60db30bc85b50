#pragma once

#include "StagedEntry.h"

#include <optional>
#include <string>
#include <vector>

// Walks the working directory through descriptors, never following a link: a folder comes before
// its contents, and the names within a folder in byte order.
class StagingWalk final {
public:
    // Throws ZipError.
    explicit StagingWalk(bool omitFinderFiles);
    ~StagingWalk();
    StagingWalk(const StagingWalk&) = delete;
    StagingWalk& operator=(const StagingWalk&) = delete;

    // The next entry, or nothing at the end. Throws ZipError naming what could not be read.
    std::optional<StagedEntry> next();

private:
    struct Folder {
        int descriptor;
        std::string prefix;
        std::vector<std::string> names;
        std::size_t nextIndex = 0;
    };

    void enter(int descriptor, std::string prefix);
    std::optional<StagedEntry> take(Folder& folder, const std::string& name);

    bool m_omitFinderFiles;
    std::vector<Folder> m_folders;
};
