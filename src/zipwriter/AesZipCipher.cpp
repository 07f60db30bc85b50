#include "AesZipCipher.h"

#include "toolsupport/HmacSha1.h"

#include <stdexcept>

#include <openssl/evp.h>
#include <string.h>

namespace {

void require(bool succeeded, const char* what) {
    if (!succeeded)
        throw std::runtime_error(std::string("AES encryption failed: ") + what);
}

} // namespace

AesZipCipher::AesZipCipher(const AesZipKeys& keys) {
    memcpy(m_salt, keys.salt(), saltSize);
    memcpy(m_verifier, keys.verifier(), verifierSize);

    // The HMAC first: it may throw, and nothing would free a cipher context made before it.
    m_mac = std::make_unique<HmacSha1>(keys.authenticationKey(), AesZipKeys::keySize);
    m_cipher = EVP_CIPHER_CTX_new();
    // Counter mode is built on ECB because the zip form counts little-endian, OpenSSL's CTR big-endian.
    const bool ready =
        m_cipher && m_mac->ready() &&
        EVP_EncryptInit_ex(m_cipher, EVP_aes_256_ecb(), nullptr, keys.encryptionKey(), nullptr) == 1 &&
        EVP_CIPHER_CTX_set_padding(m_cipher, 0) == 1;
    if (!ready)
        EVP_CIPHER_CTX_free(m_cipher);
    require(ready, "cipher unavailable");
}

AesZipCipher::~AesZipCipher() {
    EVP_CIPHER_CTX_free(m_cipher);
    explicit_bzero(m_keystream, sizeof m_keystream);
}

std::vector<unsigned char> AesZipCipher::header() {
    std::vector<unsigned char> bytes(m_salt, m_salt + saltSize);
    bytes.insert(bytes.end(), m_verifier, m_verifier + verifierSize);
    return bytes;
}

void AesZipCipher::encrypt(unsigned char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        if (m_used == sizeof m_keystream)
            refillKeystream();
        data[i] ^= m_keystream[m_used++];
    }
    require(m_mac->update(data, size), "authentication code");
}

std::vector<unsigned char> AesZipCipher::trailer() {
    std::vector<unsigned char> code(codeSize);
    require(m_mac->finish(code.data(), code.size()), "authentication code");
    return code;
}

std::vector<unsigned char> AesZipCipher::extraField(std::uint16_t actualMethod) {
    return {0x01,
            0x99, // header id 0x9901
            7,
            0, // data size
            2,
            0, // AE-2: no CRC, the authentication code protects the data
            'A',
            'E',
            3, // vendor, strength 3: AES-256
            static_cast<unsigned char>(actualMethod & 0xff),
            static_cast<unsigned char>(actualMethod >> 8)};
}

void AesZipCipher::refillKeystream() {
    unsigned char counters[sizeof m_keystream];
    for (std::size_t block = 0; block < sizeof counters; block += 16) {
        for (unsigned char& byte : m_counter) // little-endian increment; the first block is 1
            if (++byte != 0)
                break;
        memcpy(counters + block, m_counter, 16);
    }
    int length = 0;
    require(EVP_EncryptUpdate(m_cipher, m_keystream, &length, counters, int(sizeof counters)) == 1 &&
                length == int(sizeof counters),
            "AES");
    m_used = 0;
}
