#include "FilesystemStream.h"

#include "DiskImageError.h"

#include <cstdlib>
#include <mutex>
#include <sys/stat.h>

// The stream structure is declared by libisofs itself when no burning library is used.
#define LIBISOFS_WITHOUT_LIBBURN
#include <libisofs/libisofs.h>

namespace {

constexpr std::size_t blockSize = 2048;

// The last serious complaint libisofs queued, or `fallback` when there is none.
std::string libraryMessage(const std::string& fallback) {
    std::string message;
    char text[ISO_MSGS_MESSAGE_LEN + 1] = {};
    char severity[80] = {};
    int code = 0;
    int image = 0;
    while (iso_obtain_msgs(const_cast<char*>("FAILURE"), &code, &image, text, severity) == 1)
        message = text;
    return message.empty() ? fallback : fallback + ": " + message;
}

void initialiseLibrary() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (iso_init() < 0)
            throw DiskImageError("The ISO 9660 library could not start");
        // Messages are collected for the one error line, never printed.
        iso_set_msgs_severities(const_cast<char*>("FAILURE"), const_cast<char*>("NEVER"),
                                const_cast<char*>(""));
        // A file that cannot be read fails the image instead of leaving a hole in it.
        iso_set_abort_severity(const_cast<char*>("FAILURE"));
        // Names on disk are UTF-8 whatever the caller's locale says.
        iso_set_local_charset(const_cast<char*>("UTF-8"), 0);
    });
}

void check(int result, const std::string& what) {
    if (result < 0)
        throw DiskImageError(libraryMessage(what));
}

} // namespace

FilesystemStream::FilesystemStream(const std::string& folder, const std::string& volumeName) {
    initialiseLibrary();
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode))
        throw DiskImageError("The source folder \"" + folder + "\" does not exist");

    check(iso_image_new(volumeName.c_str(), &m_image), "The filesystem image could not be made");
    iso_tree_set_follow_symlinks(m_image, 0);
    iso_tree_set_ignore_hidden(m_image, 0);
    iso_tree_set_ignore_special(m_image, 0);
    iso_image_set_ignore_aclea(m_image, 3);
    IsoDir* root = iso_image_get_root(m_image);
    // The library reads only absolute paths. A relative one is read through this process's own
    // working folder, which renaming folders on the way cannot change, as a resolved path could.
    char* absolute = folder.starts_with('/') ? ::realpath(folder.c_str(), nullptr) : nullptr;
    const std::string path = absolute ? std::string(absolute) : "/proc/self/cwd/" + folder;
    std::free(absolute);
    const int added = iso_tree_add_dir_rec(m_image, root, path.c_str());
    check(added, "The folder \"" + folder + "\" could not be read");
    // The staging folder is private to its user; the volume's root is open like any volume's.
    iso_node_set_permissions(reinterpret_cast<IsoNode*>(root), 0755);
    iso_node_set_mtime(reinterpret_cast<IsoNode*>(root), folderStatus.st_mtime);

    IsoWriteOpts* options = nullptr;
    check(iso_write_opts_new(&options, 0), "The filesystem image could not be made");
    iso_write_opts_set_iso_level(options, 3); // files over 4 GiB in several extents
    iso_write_opts_set_rockridge(options, 1);
    iso_write_opts_set_joliet(options, 1);
    iso_write_opts_set_joliet_long_names(options, 1);
    iso_write_opts_set_joliet_longer_paths(options, 1);
    iso_write_opts_set_joliet_utf16(options, 1);
    // Deep trees stay where they are rather than being relocated; Rock Ridge readers cope.
    iso_write_opts_set_allow_deep_paths(options, 1);
    iso_write_opts_set_allow_longer_paths(options, 1);
    // The volume label keeps the user's characters instead of being reduced to A-Z0-9_.
    iso_write_opts_set_relaxed_vol_atts(options, 1);
    iso_write_opts_set_output_charset(options, "UTF-8");
    const int created = iso_image_create_burn_source(m_image, options, &m_source);
    iso_write_opts_free(options);
    check(created, "The filesystem image could not be made");
    m_size = static_cast<std::uint64_t>(m_source->get_size(m_source));
}

FilesystemStream::~FilesystemStream() {
    if (m_source) {
        if (m_delivered < m_size)
            m_source->cancel(m_source);
        m_source->free_data(m_source);
        std::free(m_source);
    }
    if (m_image)
        iso_image_unref(m_image);
}

void FilesystemStream::read(unsigned char* buffer, std::size_t size) {
    for (std::size_t done = 0; done < size; done += blockSize) {
        // The library hands out its stream one block at a time.
        if (m_source->read_xt(m_source, buffer + done, static_cast<int>(blockSize)) !=
            static_cast<int>(blockSize))
            throw DiskImageError(libraryMessage("The folder's files could not be read"));
    }
    m_delivered += size;
}
