#pragma once

#include <array>
#include <string_view>

// Lower-case extensions, without dots, of files that are archives already: compressing them again
// only costs time. The engine and the zip writer both go by this one list.
inline constexpr std::array<std::string_view, 13> compressedExtensions{
    "zip", "tar", "gz", "tgz", "bz2", "tbz", "tbz2", "dmg", "xz", "7z", "txz", "zst", "tzst"};
