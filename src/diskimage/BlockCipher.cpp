#include "BlockCipher.h"

#include "BigEndian.h"
#include "DiskImageError.h"
#include "EncryptedLayout.h"

#include <string>

#include <openssl/evp.h>

BlockCipher::BlockCipher(const unsigned char* aesKey, const unsigned char* hmacKey, Direction direction)
    : m_direction(direction)
    , m_mac(hmacKey, EncryptedLayout::hmacKeySize) {
    m_cipher = EVP_CIPHER_CTX_new();
    const int encrypting = direction == Direction::encrypt ? 1 : 0;
    const bool ready =
        m_cipher && m_mac.ready() &&
        EVP_CipherInit_ex(m_cipher, EVP_aes_256_cbc(), nullptr, aesKey, nullptr, encrypting) == 1 &&
        EVP_CIPHER_CTX_set_padding(m_cipher, 0) == 1;
    if (!ready)
        EVP_CIPHER_CTX_free(m_cipher);
    require(ready, "cipher unavailable");
}

BlockCipher::~BlockCipher() {
    EVP_CIPHER_CTX_free(m_cipher);
}

void BlockCipher::process(std::uint32_t blockNumber, const unsigned char* input, unsigned char* output) {
    unsigned char number[4];
    BigEndian::put32(number, blockNumber);
    unsigned char iv[EncryptedLayout::blockIvSize];
    require(m_mac.update(number, sizeof number) && m_mac.finish(iv, sizeof iv), "HMAC failed");
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
