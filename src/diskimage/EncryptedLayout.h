#pragma once

#include <cstddef>
#include <cstdint>

// The version-2 encrypted container as its writer lays it out and its verifier expects it.
namespace EncryptedLayout {

constexpr std::size_t headerSize = 76;
constexpr std::size_t keyPointerSize = 20;
constexpr std::size_t keyRecordOffset = 96;
constexpr std::size_t keyRecordSize = 616;
constexpr std::size_t saltSize = 20;
constexpr std::size_t wrapIvSize = 8;
constexpr std::size_t aesKeySize = 32;
constexpr std::size_t hmacKeySize = 20;
constexpr std::size_t wrapKeySize = 24;
constexpr std::size_t blockIvSize = 16;
constexpr std::size_t blockSize = 512;
constexpr std::uint64_t dataOffset = 122368;

constexpr std::uint32_t version = 2;
constexpr std::uint32_t aesAlgorithm = 0x80000001;
constexpr std::uint32_t passwordKeyType = 1;
constexpr std::uint32_t pbkdf2Algorithm = 103;
constexpr std::uint32_t tripleDesAlgorithm = 17;
// Follows the keys in the wrapped blob; a wrong password does not reproduce it.
constexpr char checkWord[] = "CKIE"; // with its NUL, five bytes

// Header fields.
constexpr std::size_t blockSizeField = 52;
constexpr std::size_t dataSizeField = 56;
constexpr std::size_t dataOffsetField = 64;
constexpr std::size_t keyCountField = 72;
// Key record fields.
constexpr std::size_t iterationsField = 8;
constexpr std::size_t saltLengthField = 12;
constexpr std::size_t saltField = 16;
constexpr std::size_t wrapIvLengthField = 48;
constexpr std::size_t wrapIvField = 52;
constexpr std::size_t wrapAlgorithmField = 88;
constexpr std::size_t wrappedLengthField = 100;
constexpr std::size_t wrappedField = 104;

} // namespace EncryptedLayout
