#pragma once

#include <string>

// The volume label as the filesystem can hold it.
class VolumeName final {
public:
    // The longest leading run of whole characters (grapheme clusters) of the UTF-8 `name` that
    // fits in `maximumBytes`, without trailing spaces; invalid UTF-8 is replaced first.
    static std::string cut(const std::string& name, std::size_t maximumBytes);
};
