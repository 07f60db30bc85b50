#pragma once

#include "ImageSource.h"

#include <string>

// An image file opened for reading.
class FileSource final : public ImageSource {
public:
    // Throws DiskImageError.
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::uint64_t size() const override { return m_size; }
    void readAt(std::uint64_t offset, unsigned char* target, std::size_t size) override;

private:
    int m_descriptor = -1;
    std::uint64_t m_size = 0;
};
