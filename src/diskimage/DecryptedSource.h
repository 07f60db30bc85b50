#pragma once

#include "ImageSource.h"

#include <memory>
#include <string_view>
#include <vector>

class BlockCipher;

// The plain image inside an encrypted container, decrypted block by block as it is read.
class DecryptedSource final : public ImageSource {
public:
    // Opens the container's keys with the password, which is not kept. Throws DiskImageError, also
    // when the password is wrong.
    DecryptedSource(ImageSource& container, std::string_view password);
    ~DecryptedSource() override;
    DecryptedSource(const DecryptedSource&) = delete;
    DecryptedSource& operator=(const DecryptedSource&) = delete;

    std::uint64_t size() const override { return m_size; }
    void readAt(std::uint64_t offset, unsigned char* target, std::size_t size) override;

private:
    ImageSource& m_container;
    std::unique_ptr<BlockCipher> m_blocks;
    std::uint64_t m_size = 0;
    std::uint64_t m_dataOffset = 0;
    std::vector<unsigned char> m_encrypted;
    std::vector<unsigned char> m_plain;
};
