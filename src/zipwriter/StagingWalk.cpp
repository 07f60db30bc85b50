#include "StagingWalk.h"

#include "ZipError.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

[[noreturn]] void cannotRead(const std::string& name, int error) {
    throw ZipError("\"" + name + "\" could not be read: " + std::strerror(error));
}

bool isFinderFile(const std::string& name) {
    return name.starts_with("._") || name.ends_with(".DS_Store");
}

} // namespace

FileHandle::~FileHandle() {
    ::close(m_descriptor);
}

StagingWalk::StagingWalk(bool omitFinderFiles)
    : m_omitFinderFiles(omitFinderFiles) {
    const int descriptor = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        cannotRead(".", errno);
    enter(descriptor, {});
}

StagingWalk::~StagingWalk() {
    for (const Folder& folder : m_folders)
        ::close(folder.descriptor);
}

void StagingWalk::enter(int descriptor, std::string prefix) {
    Folder folder{descriptor, std::move(prefix), {}};
    m_folders.push_back(folder); // closed by the destructor from here on
    const int listingDescriptor = ::dup(descriptor);
    DIR* listing = listingDescriptor < 0 ? nullptr : ::fdopendir(listingDescriptor);
    if (listing == nullptr) {
        const int error = errno;
        if (listingDescriptor >= 0)
            ::close(listingDescriptor);
        cannotRead(m_folders.back().prefix.empty() ? "." : m_folders.back().prefix, error);
    }
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* item = ::readdir(listing)) {
        const std::string name(item->d_name);
        if (name != "." && name != ".." && !(m_omitFinderFiles && isFinderFile(name)))
            names.push_back(name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(listing);
    if (error != 0)
        cannotRead(m_folders.back().prefix.empty() ? "." : m_folders.back().prefix, error);
    std::sort(names.begin(), names.end());
    m_folders.back().names = std::move(names);
}

std::optional<StagedEntry> StagingWalk::next() {
    while (!m_folders.empty()) {
        Folder& folder = m_folders.back();
        if (folder.nextIndex == folder.names.size()) {
            ::close(folder.descriptor);
            m_folders.pop_back();
            continue;
        }
        const std::string name = folder.names[folder.nextIndex++];
        if (std::optional<StagedEntry> entry = take(folder, name))
            return entry;
    }
    return std::nullopt;
}

std::optional<StagedEntry> StagingWalk::take(Folder& folder, const std::string& name) {
    StagedEntry entry;
    entry.name = folder.prefix + name;
    if (::fstatat(folder.descriptor, name.c_str(), &entry.status, AT_SYMLINK_NOFOLLOW) != 0)
        cannotRead(entry.name, errno);
    const mode_t type = entry.status.st_mode & S_IFMT;
    if (type == S_IFLNK) {
        std::string target(std::max<std::size_t>(entry.status.st_size, 1) + 1, '\0');
        const ssize_t length = ::readlinkat(folder.descriptor, name.c_str(), target.data(), target.size());
        if (length < 0)
            cannotRead(entry.name, errno);
        if (static_cast<std::size_t>(length) == target.size())
            throw ZipError("\"" + entry.name + "\" changed while it was read");
        target.resize(static_cast<std::size_t>(length));
        entry.linkTarget = std::move(target);
        return entry;
    }
    if (type != S_IFDIR && type != S_IFREG)
        return std::nullopt; // sockets, pipes and devices hold nothing to archive
    const int flags =
        O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | (type == S_IFDIR ? O_DIRECTORY : O_NONBLOCK);
    const int descriptor = ::openat(folder.descriptor, name.c_str(), flags);
    if (descriptor < 0)
        cannotRead(entry.name, errno);
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || opened.st_ino != entry.status.st_ino ||
        opened.st_dev != entry.status.st_dev) {
        ::close(descriptor);
        throw ZipError("\"" + entry.name + "\" changed while it was read");
    }
    if (type == S_IFDIR) {
        entry.name += '/';
        enter(descriptor, entry.name); // invalidates `folder`
    } else {
        entry.file = std::make_shared<FileHandle>(descriptor);
    }
    return entry;
}
