#pragma once

#include "toolsupport/HmacSha1.h"

#include <cstdint>

struct evp_cipher_ctx_st;

// AES-256-CBC over one container block at a time, each block's IV the first bytes of the
// HMAC-SHA1 of its number: the same for writing and for reading back.
class BlockCipher final {
public:
    enum class Direction { encrypt, decrypt };

    // The keys live on only inside OpenSSL's contexts, which wipe them when freed. Throws
    // DiskImageError.
    BlockCipher(const unsigned char* aesKey, const unsigned char* hmacKey, Direction direction);
    ~BlockCipher();
    BlockCipher(const BlockCipher&) = delete;
    BlockCipher& operator=(const BlockCipher&) = delete;

    // One whole block from `input` to `output`. Throws DiskImageError.
    void process(std::uint32_t blockNumber, const unsigned char* input, unsigned char* output);

private:
    void require(bool succeeded, const char* what) const;

    Direction m_direction;
    evp_cipher_ctx_st* m_cipher = nullptr;
    HmacSha1 m_mac;
};
