#pragma once

#include <cstddef>
#include <string>

// One entry's AES keys and the salt they came from, derived from the password. The derivation
// is the slow part of AES (a thousand rounds each), so it runs on the workers, ahead of the entry.
class AesZipKeys final {
public:
    static constexpr std::size_t saltSize = 16;
    static constexpr std::size_t keySize = 32;
    static constexpr std::size_t verifierSize = 2;

    // A fresh random salt and what the password makes of it. Throws std::runtime_error.
    explicit AesZipKeys(const std::string& password);
    ~AesZipKeys();
    AesZipKeys(const AesZipKeys&) = delete;
    AesZipKeys& operator=(const AesZipKeys&) = delete;

    const unsigned char* salt() const { return m_salt; }
    const unsigned char* encryptionKey() const { return m_derived; }
    const unsigned char* authenticationKey() const { return m_derived + keySize; }
    const unsigned char* verifier() const { return m_derived + 2 * keySize; }

private:
    unsigned char m_salt[saltSize];
    // The AES key, the authentication key and the password verifier, in that order.
    unsigned char m_derived[2 * keySize + verifierSize];
};
