#include "CompressedNames.h"

#include "toolsupport/CompressedExtensions.h"

#include <algorithm>
#include <cctype>
#include <string>

bool CompressedNames::isCompressed(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return false;
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
    return std::find(compressedExtensions.begin(), compressedExtensions.end(), extension) !=
           compressedExtensions.end();
}
