#include "ZipCommandLine.h"

#include "ZipError.h"

#include <charconv>
#include <string_view>

namespace {

const char* const usage = "usage: balewick-zip [--omit-metadata] [--omit-finder-files] "
                          "[--encryption=traditional|aes256] [--progress-fd=N] --folder-fd=N NAME";

int descriptorValue(std::string_view argument, std::string_view value) {
    int number = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 0)
        throw ZipError("Not a descriptor number in \"" + std::string(argument) + "\"");
    return number;
}

ZipEncryption encryptionValue(std::string_view value) {
    if (value == "traditional")
        return ZipEncryption::traditional;
    if (value == "aes256")
        return ZipEncryption::aes256;
    throw ZipError("Unsupported encryption \"" + std::string(value) + "\"; traditional or aes256 is written");
}

bool takeOption(ZipRequest& request, std::string_view argument) {
    const auto valueAfter = [argument](std::string_view prefix) { return argument.substr(prefix.size()); };
    if (argument == "--omit-metadata")
        request.omitMetadata = true;
    else if (argument == "--omit-finder-files")
        request.omitFinderFiles = true;
    else if (argument.starts_with("--encryption="))
        request.encryption = encryptionValue(valueAfter("--encryption="));
    else if (argument.starts_with("--progress-fd="))
        request.progressDescriptor = descriptorValue(argument, valueAfter("--progress-fd="));
    else if (argument.starts_with("--folder-fd="))
        request.folderDescriptor = descriptorValue(argument, valueAfter("--folder-fd="));
    else
        return false;
    return true;
}

} // namespace

ZipRequest ZipCommandLine::parse(int argc, const char* const* argv) {
    ZipRequest request;
    bool nameSeen = false;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        if (takeOption(request, argument))
            continue;
        if (argument.starts_with("-") || nameSeen)
            throw ZipError("Unexpected argument \"" + std::string(argument) + "\"; " + usage);
        request.outputName = argument;
        nameSeen = true;
    }
    if (request.folderDescriptor < 0 || request.outputName.empty())
        throw ZipError(usage);
    if (request.outputName.find('/') != std::string::npos || request.outputName == "." ||
        request.outputName == "..")
        throw ZipError("The archive name \"" + request.outputName + "\" is not a name within the folder");
    return request;
}
