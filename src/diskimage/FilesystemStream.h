#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct burn_source;
struct Iso_Image;

// The ISO 9660 filesystem (Rock Ridge and Joliet) of one folder, produced by libisofs on its own
// thread and read here as a stream: the image is never held whole.
class FilesystemStream final {
public:
    // The folder's contents become the root of the volume. Throws DiskImageError.
    FilesystemStream(const std::string& folder, const std::string& volumeName);
    ~FilesystemStream();
    FilesystemStream(const FilesystemStream&) = delete;
    FilesystemStream& operator=(const FilesystemStream&) = delete;

    // The image's exact size in bytes, a whole number of 2048-byte blocks.
    std::uint64_t size() const { return m_size; }

    // Fills `buffer` with the next `size` bytes (a multiple of 2048). Throws DiskImageError.
    void read(unsigned char* buffer, std::size_t size);

    // The longest volume label in bytes that the primary descriptor holds.
    static constexpr std::size_t volumeNameLimit = 32;

private:
    Iso_Image* m_image = nullptr;
    burn_source* m_source = nullptr;
    std::uint64_t m_size = 0;
    std::uint64_t m_delivered = 0;
};
