#include "HmacSha1.h"

#include <cstring>

#include <openssl/core_names.h>
#include <openssl/evp.h>

HmacSha1::HmacSha1(const unsigned char* key, std::size_t keySize) {
    EVP_MAC* hmac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
    m_mac = hmac ? EVP_MAC_CTX_new(hmac) : nullptr;
    EVP_MAC_free(hmac);
    char digest[] = "SHA1";
    const OSSL_PARAM parameters[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                     OSSL_PARAM_construct_end()};
    if (m_mac && EVP_MAC_init(m_mac, key, keySize, parameters) != 1) {
        EVP_MAC_CTX_free(m_mac);
        m_mac = nullptr;
    }
}

HmacSha1::~HmacSha1() {
    EVP_MAC_CTX_free(m_mac);
}

bool HmacSha1::update(const unsigned char* data, std::size_t size) {
    return EVP_MAC_update(m_mac, data, size) == 1;
}

bool HmacSha1::finish(unsigned char* code, std::size_t size) {
    unsigned char whole[EVP_MAX_MD_SIZE];
    std::size_t length = 0;
    if (size > codeSize || EVP_MAC_final(m_mac, whole, &length, sizeof whole) != 1 || length < size)
        return false;
    std::memcpy(code, whole, size);
    return EVP_MAC_init(m_mac, nullptr, 0, nullptr) == 1;
}
