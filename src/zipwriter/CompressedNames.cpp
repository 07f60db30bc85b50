#include "CompressedNames.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

bool CompressedNames::isCompressed(std::string_view name) {
    static constexpr std::array<std::string_view, 10> extensions{"zip", "tar",  "gz",  "tgz", "bz2",
                                                                 "tbz", "tbz2", "dmg", "xz",  "7z"};
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return false;
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}
