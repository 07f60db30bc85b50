#include "OutputFile.h"

#include "DiskImageError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

OutputFile::OutputFile(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    m_folder = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder < 0)
        throw DiskImageError("The disk image \"" + path + "\" could not be created: " + std::strerror(errno));
    try {
        m_file.emplace(m_folder, name, 0644, "The disk image");
    } catch (const std::runtime_error& error) {
        ::close(m_folder);
        throw DiskImageError(error.what());
    }
}

OutputFile::~OutputFile() {
    m_file.reset();
    ::close(m_folder);
}

void OutputFile::complete() {
    try {
        m_file->complete();
    } catch (const std::runtime_error& error) {
        throw DiskImageError(error.what());
    }
}
