#include "AesZipKeys.h"

#include <stdexcept>

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <string.h>

namespace {

constexpr int iterations = 1000;

} // namespace

AesZipKeys::AesZipKeys(const std::string& password) {
    if (RAND_bytes(m_salt, int(saltSize)) != 1)
        throw std::runtime_error("AES encryption failed: no random bytes");
    if (PKCS5_PBKDF2_HMAC_SHA1(password.data(), int(password.size()), m_salt, int(saltSize), iterations,
                               int(sizeof m_derived), m_derived) != 1)
        throw std::runtime_error("AES encryption failed: key derivation");
}

AesZipKeys::~AesZipKeys() {
    explicit_bzero(m_derived, sizeof m_derived);
}
