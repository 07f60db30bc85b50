#include "TraditionalZipCipher.h"

#include <stdexcept>

#include <openssl/rand.h>
#include <string.h>
#include <zlib.h>

namespace {

// One step of a CRC-32 without zlib's pre- and post-inversion, as the cipher defines it.
std::uint32_t crcStep(std::uint32_t crc, unsigned char byte) {
    static const z_crc_t* const table = get_crc_table();
    return table[(crc ^ byte) & 0xff] ^ (crc >> 8);
}

} // namespace

TraditionalZipCipher::TraditionalZipCipher(const std::string& password, unsigned char checkByte)
    : m_checkByte(checkByte) {
    for (const char character : password)
        update(static_cast<unsigned char>(character));
}

TraditionalZipCipher::~TraditionalZipCipher() {
    // The keys are the password in another form.
    explicit_bzero(m_keys, sizeof m_keys);
}

std::vector<unsigned char> TraditionalZipCipher::header() {
    std::vector<unsigned char> bytes(headerSize);
    if (RAND_bytes(bytes.data(), int(headerSize - 1)) != 1)
        throw std::runtime_error("no random bytes for the encryption header");
    bytes.back() = m_checkByte;
    encrypt(bytes.data(), bytes.size());
    return bytes;
}

void TraditionalZipCipher::encrypt(unsigned char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        const unsigned char plain = data[i];
        data[i] = plain ^ keystreamByte();
        update(plain);
    }
}

void TraditionalZipCipher::update(unsigned char plain) {
    m_keys[0] = crcStep(m_keys[0], plain);
    m_keys[1] = (m_keys[1] + (m_keys[0] & 0xff)) * 134775813u + 1;
    m_keys[2] = crcStep(m_keys[2], static_cast<unsigned char>(m_keys[1] >> 24));
}

unsigned char TraditionalZipCipher::keystreamByte() const {
    const std::uint32_t temp = (m_keys[2] & 0xffff) | 2;
    return static_cast<unsigned char>((temp * (temp ^ 1)) >> 8);
}
