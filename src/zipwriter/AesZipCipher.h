#pragma once

#include "AesZipKeys.h"
#include "ZipEntryCipher.h"

#include <cstdint>
#include <memory>
#include <string>

class HmacSha1;
struct evp_cipher_ctx_st;

// AES-256 in the zip form that 7-Zip and libarchive read (AE-2): a key per entry from the password
// and a random salt, counter mode, and an authentication code over the encrypted data. An AE-2
// entry records CRC 0 and method 99, its real method in the extra field.
class AesZipCipher final : public ZipEntryCipher {
public:
    // Throws std::runtime_error when OpenSSL cannot provide what it needs.
    explicit AesZipCipher(const AesZipKeys& keys);
    ~AesZipCipher() override;
    AesZipCipher(const AesZipCipher&) = delete;
    AesZipCipher& operator=(const AesZipCipher&) = delete;

    std::vector<unsigned char> header() override;
    void encrypt(unsigned char* data, std::size_t size) override;
    std::vector<unsigned char> trailer() override;

    // The 0x9901 extra field, the same in the local and the central header.
    static std::vector<unsigned char> extraField(std::uint16_t method);
    static constexpr std::uint16_t method = 99;

    static constexpr std::size_t saltSize = AesZipKeys::saltSize;
    static constexpr std::size_t verifierSize = AesZipKeys::verifierSize;
    static constexpr std::size_t codeSize = 10;

private:
    void refillKeystream();

    evp_cipher_ctx_st* m_cipher = nullptr;
    std::unique_ptr<HmacSha1> m_mac;
    unsigned char m_salt[saltSize];
    unsigned char m_verifier[verifierSize];
    unsigned char m_counter[16] = {};
    unsigned char m_keystream[16 * 256];
    std::size_t m_used = sizeof m_keystream;
};
