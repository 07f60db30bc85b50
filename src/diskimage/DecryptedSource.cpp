#include "DecryptedSource.h"

#include "BigEndian.h"
#include "BlockCipher.h"
#include "DiskImageError.h"
#include "EncryptedLayout.h"

#include <array>
#include <cstring>

#include <openssl/crypto.h>
#include <openssl/evp.h>

using namespace EncryptedLayout;

namespace {

constexpr std::uint32_t keyBits = 256;
constexpr std::uint32_t keyPointerLimit = 16;
constexpr std::uint64_t keyRecordLimit = 4096;
constexpr std::size_t saltLimit = 32;
constexpr std::size_t wrappedLimit = 256;
constexpr std::size_t unwrappedSize = aesKeySize + hmacKeySize + sizeof checkWord;

[[noreturn]] void unsupported() {
    throw DiskImageError("The disk image is encrypted in a way this tool does not read");
}

[[noreturn]] void damaged() {
    throw DiskImageError("The disk image's encryption header is damaged");
}

[[noreturn]] void wrongPassword() {
    throw DiskImageError("The password does not open the disk image");
}

// Bytes wiped when they go: keys and what leads to them.
template <std::size_t size> struct Secret {
    std::array<unsigned char, size> bytes{};
    Secret() = default;
    Secret(const Secret&) = delete;
    Secret& operator=(const Secret&) = delete;
    ~Secret() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
};

// The wrapped keys decrypted with 3DES-EDE-CBC; false when the padding is wrong, as it is for
// (almost) every wrong password.
bool unwrap(const unsigned char* wrapKey, const unsigned char* iv, const unsigned char* wrapped,
            std::size_t wrappedSize, Secret<wrappedLimit + 8>& plain, int& plainSize) {
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    if (!context)
        throw DiskImageError("The disk image could not be decrypted: out of memory");
    int length = 0;
    int finalLength = 0;
    const bool succeeded = EVP_DecryptInit_ex(context, EVP_des_ede3_cbc(), nullptr, wrapKey, iv) == 1 &&
                           EVP_DecryptUpdate(context, plain.bytes.data(), &length, wrapped,
                                             static_cast<int>(wrappedSize)) == 1 &&
                           EVP_DecryptFinal_ex(context, plain.bytes.data() + length, &finalLength) == 1;
    EVP_CIPHER_CTX_free(context);
    plainSize = length + finalLength;
    return succeeded;
}

// The record of the key that a password opens, found through the header's key pointers; the
// records lie between the header and the data.
std::vector<unsigned char> passwordKeyRecord(ImageSource& container, std::uint32_t keyCount,
                                             std::uint64_t dataOffset) {
    if (keyCount == 0 || keyCount > keyPointerLimit)
        damaged();
    std::uint64_t recordOffset = 0;
    std::uint64_t recordSize = 0;
    for (std::uint32_t index = 0; index < keyCount && recordSize == 0; ++index) {
        unsigned char pointer[keyPointerSize];
        container.readAt(headerSize + index * keyPointerSize, pointer, sizeof pointer);
        if (BigEndian::get32(pointer) == passwordKeyType) {
            recordOffset = BigEndian::get64(pointer + 4);
            recordSize = BigEndian::get64(pointer + 12);
        }
    }
    if (recordSize == 0)
        unsupported(); // opened by a certificate or a keychain only
    if (recordSize < wrappedField || recordSize > keyRecordLimit || recordOffset > dataOffset ||
        recordSize > dataOffset - recordOffset)
        damaged();
    std::vector<unsigned char> record(recordSize);
    container.readAt(recordOffset, record.data(), record.size());
    return record;
}

} // namespace

DecryptedSource::DecryptedSource(ImageSource& container, std::string_view password)
    : m_container(container) {
    unsigned char header[headerSize];
    if (container.size() < headerSize)
        throw DiskImageError("The file is not a disk image");
    container.readAt(0, header, sizeof header);
    if (std::memcmp(header, "encrcdsa", 8) != 0)
        throw DiskImageError("The file is not an encrypted disk image");
    if (BigEndian::get32(header + 8) != version || BigEndian::get32(header + 20) != aesAlgorithm ||
        BigEndian::get32(header + 24) != keyBits || BigEndian::get32(header + blockSizeField) != blockSize)
        unsupported();
    m_size = BigEndian::get64(header + dataSizeField);
    m_dataOffset = BigEndian::get64(header + dataOffsetField);
    const std::uint64_t blocks = m_size / blockSize + (m_size % blockSize ? 1 : 0);
    if (m_dataOffset < headerSize || blocks > UINT32_MAX)
        damaged();
    if (container.size() < m_dataOffset || (container.size() - m_dataOffset) / blockSize < blocks)
        throw DiskImageError("The disk image is truncated");

    const std::vector<unsigned char> record =
        passwordKeyRecord(container, BigEndian::get32(header + keyCountField), m_dataOffset);
    const std::uint32_t saltLength = BigEndian::get32(record.data() + saltLengthField);
    const std::uint32_t wrappedLength = BigEndian::get32(record.data() + wrappedLengthField);
    if (BigEndian::get32(record.data()) != pbkdf2Algorithm ||
        BigEndian::get32(record.data() + wrapAlgorithmField) != tripleDesAlgorithm ||
        BigEndian::get32(record.data() + wrapIvLengthField) != wrapIvSize)
        unsupported();
    if (saltLength == 0 || saltLength > saltLimit || wrappedLength < unwrappedSize ||
        wrappedLength > wrappedLimit || wrappedLength > record.size() - wrappedField)
        damaged();

    Secret<wrapKeySize> wrapKey;
    if (PKCS5_PBKDF2_HMAC_SHA1(password.data(), static_cast<int>(password.size()), record.data() + saltField,
                               static_cast<int>(saltLength),
                               static_cast<int>(BigEndian::get32(record.data() + iterationsField)),
                               wrapKeySize, wrapKey.bytes.data()) != 1)
        throw DiskImageError("The disk image could not be decrypted: key derivation failed");
    Secret<wrappedLimit + 8> keys;
    int keysSize = 0;
    if (!unwrap(wrapKey.bytes.data(), record.data() + wrapIvField, record.data() + wrappedField,
                wrappedLength, keys, keysSize) ||
        keysSize < static_cast<int>(unwrappedSize) ||
        std::memcmp(keys.bytes.data() + aesKeySize + hmacKeySize, checkWord, sizeof checkWord) != 0)
        wrongPassword();
    m_blocks = std::make_unique<BlockCipher>(keys.bytes.data(), keys.bytes.data() + aesKeySize,
                                             BlockCipher::Direction::decrypt);
}

DecryptedSource::~DecryptedSource() = default;

void DecryptedSource::readAt(std::uint64_t offset, unsigned char* target, std::size_t size) {
    if (size == 0)
        return;
    if (offset > m_size || size > m_size - offset)
        throw DiskImageError("The disk image is damaged: it points past its end");
    const std::uint64_t first = offset / blockSize;
    const std::uint64_t count = (offset + size - 1) / blockSize - first + 1;
    m_encrypted.resize(count * blockSize);
    m_plain.resize(count * blockSize);
    m_container.readAt(m_dataOffset + first * blockSize, m_encrypted.data(), m_encrypted.size());
    for (std::uint64_t index = 0; index < count; ++index)
        m_blocks->process(static_cast<std::uint32_t>(first + index), m_encrypted.data() + index * blockSize,
                          m_plain.data() + index * blockSize);
    std::memcpy(target, m_plain.data() + offset % blockSize, size);
}
