#pragma once

#include <cstddef>

struct evp_mac_ctx_st;

// HMAC-SHA1 under one key, through OpenSSL: the zip writer's AES authentication code and the disk
// image's block IVs. The key lives on only inside OpenSSL's context, which wipes it when freed.
class HmacSha1 final {
public:
    static constexpr std::size_t codeSize = 20;

    HmacSha1(const unsigned char* key, std::size_t keySize);
    ~HmacSha1();
    HmacSha1(const HmacSha1&) = delete;
    HmacSha1& operator=(const HmacSha1&) = delete;

    // False when OpenSSL could not provide HMAC-SHA1; nothing else may then be called.
    bool ready() const { return m_mac != nullptr; }

    bool update(const unsigned char* data, std::size_t size);
    // Writes the first `size` bytes (at most codeSize) of the code of everything given since the
    // last finish, and starts again under the same key.
    bool finish(unsigned char* code, std::size_t size);

private:
    evp_mac_ctx_st* m_mac = nullptr;
};
