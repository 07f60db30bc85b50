#pragma once

#include <stdexcept>
#include <string>

// A failure the tool reports as its one line on standard error.
class DiskImageError final : public std::runtime_error {
public:
    explicit DiskImageError(const std::string& message)
        : std::runtime_error(message) {}
};
