#pragma once

#include "EncryptedLayout.h"
#include "ImageSink.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class BlockCipher;

// Encrypts the image into a version-2 encrypted container: AES-256-CBC per 512-byte block, each
// block's IV derived with HMAC-SHA1 from its number, and the keys wrapped with 3DES-EDE under a
// PBKDF2-HMAC-SHA1 key of the password.
class EncryptedSink final : public ImageSink {
public:
    // The password is used here only and not kept. Throws DiskImageError.
    EncryptedSink(int descriptor, std::string_view password, std::uint32_t iterations = defaultIterations);
    ~EncryptedSink() override;
    EncryptedSink(const EncryptedSink&) = delete;
    EncryptedSink& operator=(const EncryptedSink&) = delete;

    void write(const unsigned char* data, std::size_t size) override;
    // Encrypts the last, zero-padded block and writes the header, which records the plain size.
    void finish() override;

    static constexpr std::uint32_t defaultIterations = 250000;

private:
    void encryptBlock(const unsigned char* plain);
    void flushEncrypted();

    int m_descriptor;
    std::vector<unsigned char> m_header; // header and key record; the rest up to the data stays zero
    std::unique_ptr<BlockCipher> m_blocks;
    std::vector<unsigned char> m_partialBlock;
    std::vector<unsigned char> m_encrypted; // encrypted blocks waiting to be written
    std::uint64_t m_plainSize = 0;
    std::uint32_t m_blockNumber = 0;
    std::uint64_t m_writeOffset = EncryptedLayout::dataOffset;
};
