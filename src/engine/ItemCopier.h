#pragma once

#include <QtGlobal>

#include <atomic>
#include <filesystem>
#include <stop_token>
#include <vector>

#include <sys/types.h>

class FileDescriptor;
struct stat;

// Copies the user's items into the staging folder. Paths are byte paths, so names that are not
// valid UTF-8 keep their exact bytes. A copy never replaces an existing target.
class ItemCopier final {
public:
    enum class Method {
        // A reflink where the filesystem offers one, else a hard link when the kernel allows one
        // (the tools only read what they archive and the staging folder is removed afterwards),
        // else a true copy. The reflink comes first since a link changes the original's change
        // time, which makes some backup tools read the file again.
        linkWhenPossible,
        // Always a true copy: a reflink where the filesystem offers one, else the bytes.
        copyContents,
    };

    // A stop ends a copy between files and inside long files with CompressionError::cancelled.
    explicit ItemCopier(Method method = Method::linkWhenPossible, std::stop_token stop = {})
        : m_method(method)
        , m_stop(std::move(stop)) {}

    // Copies one entry that is not a folder, keeping its mode and modification time: a regular
    // file, a symbolic link (as a link) or a named pipe (made anew, never opened). Sockets, device
    // files and, when the tool skips them, named pipes are left out: then it answers false.
    // Throws PlatformError, for example when `target` exists.
    bool copyItem(const std::filesystem::path& source, const std::filesystem::path& target) const;

    // Creates `target` (an existing folder is merged into) and copies the entries of `source`
    // into it, recursively; the folder then takes the mode and modification time of `source`.
    // False when an entry was left out, other than the Finder files omitted on request.
    bool copyFolderContents(const std::filesystem::path& source, const std::filesystem::path& target,
                            bool omitFinderFiles) const;

    // For a tool that skips named pipes (zip): they are then not staged either.
    void leaveOutPipes(bool leaveOut) { m_leavesOutPipes = leaveOut; }

    // ".DS_Store" and names beginning with "._": metadata files that Macs leave behind.
    static bool isFinderFile(const std::filesystem::path& name);

    // A folder never entered while copying: the staging folder itself, which lies inside an item
    // when the user archives the temporary directory or one of its parents.
    void skipFolder(const std::filesystem::path& folder);

    // Adds every byte truly copied (not linked) to `counter`, for the progress display.
    void countCopiedBytes(std::atomic<qint64>* counter) { m_copiedBytes = counter; }

private:
    void copyFile(const std::filesystem::path& source, const std::filesystem::path& target,
                  const struct stat& info) const;
    // A reflink of `input` at `target`, which it creates into `output`. False, `output` perhaps
    // still open, when the filesystem would not; then it is not asked again for that device.
    bool cloneFile(int input, dev_t device, const std::filesystem::path& source,
                   const std::filesystem::path& target, FileDescriptor& output) const;
    static FileDescriptor createTarget(const std::filesystem::path& source,
                                       const std::filesystem::path& target);

    Method m_method;
    std::stop_token m_stop;
    std::atomic<qint64>* m_copiedBytes = nullptr;
    bool m_leavesOutPipes = false;
    dev_t m_skippedDevice = 0;
    ino_t m_skippedInode = 0;
    mutable std::vector<dev_t> m_devicesWithoutClones;
};
