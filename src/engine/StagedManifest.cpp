#include "StagedManifest.h"

#include "FormatDescription.h"

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// zip's exclusion patterns ("*.DS_Store", "*/._*", "._*", ...), where "*" also matches "/".
bool excludedByZip(const QByteArray& path) {
    return path.endsWith(".DS_Store") || path.startsWith("._") || path.contains("/._");
}

void list(const fs::path& folder, const QByteArray& prefix, bool zipExclusions, StagedManifest& manifest) {
    std::error_code error;
    for (fs::directory_iterator entries(folder, error), end; !error && entries != end;
         entries.increment(error)) {
        const fs::path path = entries->path();
        const QByteArray name = prefix + QByteArray::fromStdString(path.filename().native());
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || (zipExclusions && excludedByZip(name)))
            continue;
        if (S_ISDIR(info.st_mode)) {
            manifest.insert(name, -1);
            list(path, name + '/', zipExclusions, manifest);
        } else {
            manifest.insert(name, S_ISREG(info.st_mode) ? qint64(info.st_size) : -1);
        }
    }
}

} // namespace

StagedManifest StagedManifest::ofFolder(const fs::path& folder, ArchiveFormat format, bool omitFinderFiles) {
    const bool zip = formatDescription(format).tool == FormatTool::zipWriter;
    StagedManifest manifest;
    list(folder, {}, zip && omitFinderFiles, manifest);
    return manifest;
}

QByteArray StagedManifest::normalisedName(QByteArray name) {
    while (name.startsWith("./"))
        name.remove(0, 2);
    while (name.endsWith('/'))
        name.chop(1);
    return name == "." ? QByteArray() : name;
}

qint64 StagedManifest::totalBytes() const {
    qint64 total = 0;
    for (const qint64 size : m_entries)
        total += std::max<qint64>(size, 0);
    return total;
}
