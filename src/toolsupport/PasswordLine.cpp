#include "PasswordLine.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

PasswordLine::PasswordLine(int descriptor) {
    m_text.reserve(limit);
    try {
        readLine(descriptor);
    } catch (...) {
        wipe();
        throw;
    }
}

PasswordLine::~PasswordLine() {
    wipe();
}

void PasswordLine::readLine(int descriptor) {
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(descriptor, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0 || byte == '\n')
            break;
        if (m_text.size() == limit)
            throw std::runtime_error("The password is too long");
        m_text.push_back(byte);
    }
    if (m_text.empty())
        throw std::runtime_error("No password was given on standard input");
}

void PasswordLine::wipe() {
    m_text.resize(m_text.capacity());
    ::explicit_bzero(m_text.data(), m_text.size());
    m_text.clear();
}
