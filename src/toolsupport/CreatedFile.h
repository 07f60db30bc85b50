#pragma once

#include <string>
#include <sys/types.h>

// A file created new in a folder through the folder's descriptor (an existing file is never
// touched) and removed through it again unless it was completed, also when the process is ended
// by a termination signal. One at a time.
class CreatedFile final {
public:
    // `what` names the file in failures ("The archive"). Throws std::runtime_error.
    CreatedFile(int folderDescriptor, const std::string& name, mode_t mode, const std::string& what);
    ~CreatedFile();
    CreatedFile(const CreatedFile&) = delete;
    CreatedFile& operator=(const CreatedFile&) = delete;

    int descriptor() const { return m_descriptor; }

    // Closes the file and keeps it. Throws std::runtime_error.
    void complete();

    // Termination signals remove the file being written, then end the process as before. Call
    // once, before any other thread starts.
    static void removeOnTermination();

private:
    int m_folderDescriptor;
    std::string m_name;
    std::string m_what;
    int m_descriptor = -1;
};
