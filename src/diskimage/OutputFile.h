#pragma once

#include <string>

// The image file being written. It is created new (an existing file is never touched) and is
// removed again unless it was completed, also when the process is terminated by a signal.
class OutputFile final {
public:
    // Throws DiskImageError.
    explicit OutputFile(const std::string& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    int descriptor() const { return m_descriptor; }

    // Closes the file and keeps it. Throws DiskImageError.
    void complete();

    // Termination signals remove the file being written, then end the process as before. Call
    // once, before any other thread starts.
    static void removeOnTermination();

private:
    std::string m_path;
    int m_descriptor = -1;
};
