#include "ReadabilityCheck.h"

#include "engine/SystemError.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString nameOf(const fs::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.filename().native()));
}

bool isFinderFile(const fs::path& path) {
    const std::string name = path.filename().native();
    return name == ".DS_Store" || name.starts_with("._");
}

void requireFolder(const fs::path& folder, bool omitFinderFiles);

// followLinks: a dropped item is what its link points to; inside a folder a link is kept as a link.
void requireEntry(const fs::path& path, bool followLinks, bool omitFinderFiles) {
    struct stat info {};
    const int status = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (status != 0)
        return; // gone or unreachable: the engine reports it in its own words
    if (S_ISDIR(info.st_mode)) {
        if (::access(path.c_str(), R_OK | X_OK) != 0)
            throw systemError(errno, qtTrId("error.list"), nameOf(path));
        requireFolder(path, omitFinderFiles);
    } else if (S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) != 0) {
        throw systemError(errno, qtTrId("error.copy"), nameOf(path));
    }
}

void requireFolder(const fs::path& folder, bool omitFinderFiles) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error)
        throw systemError(error.value(), qtTrId("error.list"), nameOf(folder));
    for (const fs::directory_entry& entry : entries) {
        if (omitFinderFiles && isFinderFile(entry.path()))
            continue;
        requireEntry(entry.path(), false, omitFinderFiles);
    }
}

} // namespace

void ReadabilityCheck::requireReadable(const QList<QUrl>& items, bool omitFinderFiles) {
    for (const QUrl& item : items) {
        const QString path = QDir::cleanPath(item.toLocalFile());
        if (path.isEmpty())
            continue;
        const fs::path native(QFile::encodeName(path).toStdString());
        // A top-level Finder file is left out by staging, so its permissions do not matter.
        if (omitFinderFiles && isFinderFile(native) && !fs::is_directory(native))
            continue;
        requireEntry(native, true, omitFinderFiles);
    }
}
