#pragma once

#include "ZipEntryCipher.h"

#include <cstdint>
#include <string>

// The original zip encryption, the one every unzip program opens. It is weak: it keeps out the
// curious, not an attacker.
class TraditionalZipCipher final : public ZipEntryCipher {
public:
    // `checkByte` ends the header so that readers can reject a wrong password early: the high byte
    // of the entry's CRC-32, or of its DOS time when the sizes follow the data (flag bit 3).
    // Throws std::runtime_error when no random bytes are to be had.
    TraditionalZipCipher(const std::string& password, unsigned char checkByte);
    ~TraditionalZipCipher() override;

    std::vector<unsigned char> header() override;
    void encrypt(unsigned char* data, std::size_t size) override;
    std::vector<unsigned char> trailer() override { return {}; }

    static constexpr std::size_t headerSize = 12;

private:
    void update(unsigned char plain);
    unsigned char keystreamByte() const;

    std::uint32_t m_keys[3] = {0x12345678, 0x23456789, 0x34567890};
    unsigned char m_checkByte;
};
