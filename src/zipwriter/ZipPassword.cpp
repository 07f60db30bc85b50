#include "ZipPassword.h"

#include "ZipError.h"

#include <cerrno>
#include <unistd.h>

#include <openssl/crypto.h>

ZipPassword::ZipPassword(int descriptor) {
    try {
        readLine(descriptor);
    } catch (...) {
        OPENSSL_cleanse(m_text.data(), m_text.size());
        throw;
    }
}

void ZipPassword::readLine(int descriptor) {
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(descriptor, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || byte == '\n')
            break;
        if (m_length == m_text.size())
            throw ZipError("The password is too long");
        m_text[m_length++] = byte;
    }
    if (m_length == 0)
        throw ZipError("No password was given on standard input");
}

ZipPassword::~ZipPassword() {
    OPENSSL_cleanse(m_text.data(), m_text.size());
}

void ZipPassword::wipe(std::string& copy) {
    OPENSSL_cleanse(copy.data(), copy.size());
    copy.clear();
}
