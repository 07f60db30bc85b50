#pragma once

#include "ImageSink.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

struct evp_cipher_ctx_st;
struct evp_mac_ctx_st;

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
    static constexpr std::size_t blockSize = 512;
    static constexpr std::uint64_t dataOffset = 122368;

private:
    void encryptBlock(const unsigned char* plain);
    void flushEncrypted();

    int m_descriptor;
    std::array<unsigned char, 32> m_aesKey{};
    std::vector<unsigned char> m_header; // header and key record; the rest up to the data stays zero
    evp_cipher_ctx_st* m_cipher = nullptr;
    evp_mac_ctx_st* m_mac = nullptr;
    std::vector<unsigned char> m_partialBlock;
    std::vector<unsigned char> m_encrypted; // encrypted blocks waiting to be written
    std::uint64_t m_plainSize = 0;
    std::uint32_t m_blockNumber = 0;
    std::uint64_t m_writeOffset = dataOffset;
};
