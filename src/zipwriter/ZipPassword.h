#pragma once

#include <array>
#include <string>

// A password read as one line from a descriptor (up to "\n" or the end); wiped when it goes.
class ZipPassword final {
public:
    // Throws ZipError when the line is empty or too long.
    explicit ZipPassword(int descriptor);
    ~ZipPassword();
    ZipPassword(const ZipPassword&) = delete;
    ZipPassword& operator=(const ZipPassword&) = delete;

    // A copy for the ciphers' constructors; the caller wipes it with wipe().
    std::string text() const { return std::string(m_text.data(), m_length); }
    static void wipe(std::string& copy);

private:
    void readLine(int descriptor);

    std::array<char, 4096> m_text{};
    std::size_t m_length = 0;
};
