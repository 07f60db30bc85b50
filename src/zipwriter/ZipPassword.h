#pragma once

#include <string>

// A password read as one line from a descriptor (up to "\n" or the end); wiped when it goes.
class ZipPassword final {
public:
    // Throws ZipError when the line is empty or too long.
    explicit ZipPassword(int descriptor);
    ~ZipPassword();
    ZipPassword(const ZipPassword&) = delete;
    ZipPassword& operator=(const ZipPassword&) = delete;

    const std::string& text() const { return m_text; }

private:
    void readLine(int descriptor);
    void wipe();

    static constexpr std::size_t limit = 4096;
    std::string m_text; // its buffer reserved up front, so that no copy is left behind by growing
};
