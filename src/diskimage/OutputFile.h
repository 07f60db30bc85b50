#pragma once

#include "toolsupport/CreatedFile.h"

#include <optional>
#include <string>

// The image file being written. It is created new (an existing file is never touched) in the
// folder the path names, through that folder's descriptor, and removed through it again unless it
// was completed, also when the process is terminated by a signal.
class OutputFile final {
public:
    // Throws DiskImageError.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int descriptor() const { return m_file->descriptor(); }

    // Closes the file and keeps it. Throws DiskImageError.
    void complete();

    // Call once, before any other thread starts.
    static void removeOnTermination() { CreatedFile::removeOnTermination(); }

private:
    int m_folder = -1;
    std::optional<CreatedFile> m_file; // goes before the folder's descriptor is closed
};
