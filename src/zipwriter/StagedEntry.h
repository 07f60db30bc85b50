#pragma once

#include <memory>
#include <string>
#include <sys/stat.h>

// An open file that closes itself; shared by the pieces of one entry still in flight.
class FileHandle final {
public:
    explicit FileHandle(int descriptor)
        : m_descriptor(descriptor) {}
    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

// One thing found in the staging folder, named as it goes into the archive.
struct StagedEntry {
    std::string name;                 // relative, "/"-separated, folders ending in "/"
    struct stat status {};            // taken before any reading
    std::string linkTarget;           // for a symbolic link
    std::shared_ptr<FileHandle> file; // for a regular file
};
