#include "ZipPassword.h"

#include "ZipError.h"

#include <cerrno>
#include <unistd.h>

#include <openssl/crypto.h>

ZipPassword::ZipPassword(int descriptor) {
    m_text.reserve(limit);
    try {
        readLine(descriptor);
    } catch (...) {
        wipe();
        throw;
    }
}

ZipPassword::~ZipPassword() {
    wipe();
}

void ZipPassword::readLine(int descriptor) {
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(descriptor, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || byte == '\n')
            break;
        if (m_text.size() == limit)
            throw ZipError("The password is too long");
        m_text.push_back(byte);
    }
    if (m_text.empty())
        throw ZipError("No password was given on standard input");
}

void ZipPassword::wipe() {
    m_text.resize(m_text.capacity());
    OPENSSL_cleanse(m_text.data(), m_text.size());
    m_text.clear();
}
