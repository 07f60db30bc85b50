#include "EncryptedSink.h"

#include "BigEndian.h"
#include "BlockCipher.h"
#include "DiskImageError.h"
#include "EncryptedLayout.h"
#include "FileSink.h"

#include <cstring>

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

using namespace EncryptedLayout;

namespace {

constexpr std::size_t encryptedBatch = 1 << 20;

void require(bool succeeded, const char* what) {
    if (!succeeded)
        throw DiskImageError(std::string("The disk image could not be encrypted: ") + what);
}

void randomBytes(unsigned char* target, std::size_t size) {
    require(RAND_bytes(target, static_cast<int>(size)) == 1, "no random numbers");
}

// The keys, a check word and their PKCS#7 padding, encrypted with 3DES-EDE-CBC.
std::vector<unsigned char> wrapKeys(const unsigned char* wrapKey, const unsigned char* iv,
                                    const std::array<unsigned char, aesKeySize>& aesKey) {
    std::array<unsigned char, aesKeySize + hmacKeySize + sizeof checkWord> plain{};
    std::memcpy(plain.data(), aesKey.data(), aesKey.size());
    // The HMAC key repeats the start of the AES key, as the system's own images do, so that
    // readers taking it from either place find the same key.
    std::memcpy(plain.data() + aesKey.size(), aesKey.data(), hmacKeySize);
    std::memcpy(plain.data() + aesKey.size() + hmacKeySize, checkWord, sizeof checkWord);

    std::vector<unsigned char> wrapped(plain.size() + 8);
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    require(context != nullptr, "out of memory");
    int length = 0;
    int finalLength = 0;
    const bool succeeded = EVP_EncryptInit_ex(context, EVP_des_ede3_cbc(), nullptr, wrapKey, iv) == 1 &&
                           EVP_EncryptUpdate(context, wrapped.data(), &length, plain.data(),
                                             static_cast<int>(plain.size())) == 1 &&
                           EVP_EncryptFinal_ex(context, wrapped.data() + length, &finalLength) == 1;
    EVP_CIPHER_CTX_free(context);
    OPENSSL_cleanse(plain.data(), plain.size());
    require(succeeded, "key wrap failed");
    wrapped.resize(static_cast<std::size_t>(length + finalLength));
    return wrapped;
}

// The password's key record: how the wrapping key is derived from the password, and the wrapped keys.
void putKeyRecord(unsigned char* record, std::uint32_t iterations, const unsigned char (&salt)[saltSize],
                  const unsigned char (&wrapIv)[wrapIvSize], const std::vector<unsigned char>& wrapped) {
    BigEndian::put32(record + 0, pbkdf2Algorithm);
    BigEndian::put32(record + iterationsField, iterations);
    BigEndian::put32(record + saltLengthField, saltSize);
    std::memcpy(record + saltField, salt, sizeof salt);
    BigEndian::put32(record + wrapIvLengthField, wrapIvSize);
    std::memcpy(record + wrapIvField, wrapIv, sizeof wrapIv);
    BigEndian::put32(record + 84, 192);
    BigEndian::put32(record + wrapAlgorithmField, tripleDesAlgorithm);
    BigEndian::put32(record + 92, 7); // PKCS#7
    BigEndian::put32(record + 96, 6); // CBC with IV
    BigEndian::put32(record + wrappedLengthField, static_cast<std::uint32_t>(wrapped.size()));
    std::memcpy(record + wrappedField, wrapped.data(), wrapped.size());
}

} // namespace

EncryptedSink::EncryptedSink(int descriptor, std::string_view password, std::uint32_t iterations)
    : m_descriptor(descriptor) {
    if (password.empty())
        throw DiskImageError("No password was given on standard input");

    struct WipedKey {
        std::array<unsigned char, aesKeySize> bytes{};
        ~WipedKey() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
    } aesKey;
    unsigned char salt[saltSize];
    unsigned char wrapIv[wrapIvSize];
    unsigned char uuid[16];
    randomBytes(aesKey.bytes.data(), aesKey.bytes.size());
    randomBytes(salt, sizeof salt);
    randomBytes(wrapIv, sizeof wrapIv);
    randomBytes(uuid, sizeof uuid);

    unsigned char wrapKey[wrapKeySize];
    require(PKCS5_PBKDF2_HMAC_SHA1(password.data(), static_cast<int>(password.size()), salt, sizeof salt,
                                   static_cast<int>(iterations), sizeof wrapKey, wrapKey) == 1,
            "key derivation failed");
    const std::vector<unsigned char> wrapped = wrapKeys(wrapKey, wrapIv, aesKey.bytes);
    OPENSSL_cleanse(wrapKey, sizeof wrapKey);

    m_header.assign(keyRecordOffset + keyRecordSize, 0);
    unsigned char* header = m_header.data();
    std::memcpy(header, "encrcdsa", 8);
    BigEndian::put32(header + 8, version);
    BigEndian::put32(header + 12, 16); // block IV size
    BigEndian::put32(header + 16, 5);  // CBC with IV
    BigEndian::put32(header + 20, aesAlgorithm);
    BigEndian::put32(header + 24, 256);
    BigEndian::put32(header + 28, 91); // HMAC-SHA1
    BigEndian::put32(header + 32, 160);
    std::memcpy(header + 36, uuid, sizeof uuid);
    BigEndian::put32(header + blockSizeField, blockSize);
    BigEndian::put64(header + dataOffsetField, dataOffset);
    BigEndian::put32(header + keyCountField, 1); // one key record: the password's
    BigEndian::put32(header + headerSize, passwordKeyType);
    BigEndian::put64(header + headerSize + 4, keyRecordOffset);
    BigEndian::put64(header + headerSize + 12, keyRecordSize);
    static_assert(headerSize + keyPointerSize == keyRecordOffset);

    putKeyRecord(header + keyRecordOffset, iterations, salt, wrapIv, wrapped);

    // The HMAC key repeats the start of the AES key (see wrapKeys).
    m_blocks = std::make_unique<BlockCipher>(aesKey.bytes.data(), aesKey.bytes.data(),
                                             BlockCipher::Direction::encrypt);
    m_partialBlock.reserve(blockSize);
    m_encrypted.reserve(encryptedBatch);
}

EncryptedSink::~EncryptedSink() = default;

void EncryptedSink::write(const unsigned char* data, std::size_t size) {
    m_plainSize += size;
    if (!m_partialBlock.empty()) {
        const std::size_t taken = std::min(size, blockSize - m_partialBlock.size());
        m_partialBlock.insert(m_partialBlock.end(), data, data + taken);
        data += taken;
        size -= taken;
        if (m_partialBlock.size() < blockSize)
            return;
        encryptBlock(m_partialBlock.data());
        m_partialBlock.clear();
    }
    for (; size >= blockSize; data += blockSize, size -= blockSize)
        encryptBlock(data);
    m_partialBlock.assign(data, data + size);
}

void EncryptedSink::finish() {
    if (!m_partialBlock.empty()) {
        m_partialBlock.resize(blockSize, 0);
        encryptBlock(m_partialBlock.data());
        m_partialBlock.clear();
    }
    flushEncrypted();
    BigEndian::put64(m_header.data() + dataSizeField, m_plainSize);
    FileSink::writeAt(m_descriptor, 0, m_header.data(), m_header.size());
}

void EncryptedSink::encryptBlock(const unsigned char* plain) {
    const std::size_t start = m_encrypted.size();
    m_encrypted.resize(start + blockSize);
    m_blocks->process(m_blockNumber++, plain, m_encrypted.data() + start);
    if (m_encrypted.size() >= encryptedBatch)
        flushEncrypted();
}

void EncryptedSink::flushEncrypted() {
    FileSink::writeAt(m_descriptor, m_writeOffset, m_encrypted.data(), m_encrypted.size());
    m_writeOffset += m_encrypted.size();
    m_encrypted.clear();
}
