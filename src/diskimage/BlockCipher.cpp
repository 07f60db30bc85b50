#include "BlockCipher.h"

#include "BigEndian.h"
#include "DiskImageError.h"
#include "EncryptedLayout.h"

#include <string>

#include <openssl/core_names.h>
#include <openssl/evp.h>

BlockCipher::BlockCipher(const unsigned char* aesKey, const unsigned char* hmacKey, Direction direction)
    : m_direction(direction) {
    m_cipher = EVP_CIPHER_CTX_new();
    EVP_MAC* hmac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
    m_mac = hmac ? EVP_MAC_CTX_new(hmac) : nullptr;
    EVP_MAC_free(hmac);
    char digest[] = "SHA1";
    const OSSL_PARAM parameters[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                     OSSL_PARAM_construct_end()};
    const int encrypting = direction == Direction::encrypt ? 1 : 0;
    const bool ready =
        m_cipher && m_mac &&
        EVP_CipherInit_ex(m_cipher, EVP_aes_256_cbc(), nullptr, aesKey, nullptr, encrypting) == 1 &&
        EVP_CIPHER_CTX_set_padding(m_cipher, 0) == 1 &&
        EVP_MAC_init(m_mac, hmacKey, EncryptedLayout::hmacKeySize, parameters) == 1;
    if (!ready) {
        EVP_CIPHER_CTX_free(m_cipher);
        EVP_MAC_CTX_free(m_mac);
    }
    require(ready, "cipher unavailable");
}

BlockCipher::~BlockCipher() {
    EVP_CIPHER_CTX_free(m_cipher);
    EVP_MAC_CTX_free(m_mac);
}

void BlockCipher::process(std::uint32_t blockNumber, const unsigned char* input, unsigned char* output) {
    unsigned char number[4];
    BigEndian::put32(number, blockNumber);
    unsigned char iv[EVP_MAX_MD_SIZE];
    std::size_t ivLength = 0;
    require(
        EVP_MAC_init(m_mac, nullptr, 0, nullptr) == 1 && EVP_MAC_update(m_mac, number, sizeof number) == 1 &&
            EVP_MAC_final(m_mac, iv, &ivLength, sizeof iv) == 1 && ivLength >= EncryptedLayout::blockIvSize,
        "HMAC failed");
    constexpr int size = static_cast<int>(EncryptedLayout::blockSize);
    int length = 0;
    require(EVP_CipherInit_ex(m_cipher, nullptr, nullptr, nullptr, iv, -1) == 1 &&
                EVP_CipherUpdate(m_cipher, output, &length, input, size) == 1 && length == size,
            "AES failed");
}

void BlockCipher::require(bool succeeded, const char* what) const {
    if (!succeeded)
        throw DiskImageError(std::string(m_direction == Direction::encrypt
                                             ? "The disk image could not be encrypted: "
                                             : "The disk image could not be decrypted: ") +
                             what);
}
