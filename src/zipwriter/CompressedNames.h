#pragma once

#include <string_view>

// Names of files that are compressed already, so that deflating them again would only cost time.
class CompressedNames final {
public:
    static bool isCompressed(std::string_view name);
};
