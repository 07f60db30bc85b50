#pragma once

#include <stdexcept>
#include <string>

// A failure the tool reports as its one line on standard error.
class ZipError final : public std::runtime_error {
public:
    explicit ZipError(const std::string& message)
        : std::runtime_error(message) {}
};
