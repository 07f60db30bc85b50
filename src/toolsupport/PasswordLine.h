#pragma once

#include <string>

// A password read as one line from a descriptor (up to "\n" or the end, never from a terminal or
// the command line); wiped when it goes.
class PasswordLine final {
public:
    // Throws std::runtime_error when the line is empty or too long.
    explicit PasswordLine(int descriptor);
    ~PasswordLine();
    PasswordLine(const PasswordLine&) = delete;
    PasswordLine& operator=(const PasswordLine&) = delete;

    const std::string& text() const { return m_text; }

private:
    void readLine(int descriptor);
    void wipe();

    static constexpr std::size_t limit = 4096;
    std::string m_text; // its buffer reserved up front, so that no copy is left behind by growing
};
