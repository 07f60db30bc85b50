#pragma once

#include <exception>

// The background job that makes an archive was cancelled before its tool started.
class JobCancelledError final : public std::exception {
public:
    const char* what() const noexcept override { return "JobCancelledError"; }
};
