#include "CommandLine.h"

#include "DiskImageError.h"

#include <charconv>
#include <fcntl.h>
#include <string_view>
#include <vector>

namespace {

const char* const usage =
    "usage: balewick-diskimage create -srcfolder FOLDER -volname NAME -format UDZO "
    "[-encryption AES-256 -stdinpass] [-progressfd N] OUTPUT | verify [-stdinpass] IMAGE";

// Takes "-progressfd N" out of the arguments when it stands just before the output.
int takeProgressDescriptor(std::vector<std::string_view>& arguments) {
    const std::size_t size = arguments.size();
    if (size < 3 || arguments[size - 3] != "-progressfd")
        return -1;
    const std::string_view value = arguments[size - 2];
    int descriptor = -1;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), descriptor);
    if (error != std::errc() || end != value.data() + value.size() || descriptor < 0)
        throw DiskImageError("Not a descriptor number: \"" + std::string(value) + "\"");
    // Refused at once rather than found out after the whole image was written.
    if (::fcntl(descriptor, F_GETFD) == -1)
        throw DiskImageError("The progress descriptor " + std::string(value) + " is not open");
    arguments.erase(arguments.end() - 3, arguments.end() - 1);
    return descriptor;
}

void expect(const std::vector<std::string_view>& arguments, std::size_t index, std::string_view word) {
    if (arguments[index] != word)
        throw DiskImageError("Unexpected argument \"" + std::string(arguments[index]) + "\"; " + usage);
}

VerifyRequest parseVerify(const std::vector<std::string_view>& arguments) {
    if (arguments.size() != 2 && arguments.size() != 3)
        throw DiskImageError(usage);
    VerifyRequest request;
    if (arguments.size() == 3) {
        expect(arguments, 1, "-stdinpass");
        request.encrypted = true;
    }
    request.imagePath = arguments.back();
    if (request.imagePath.empty() || request.imagePath.front() == '-')
        throw DiskImageError(usage);
    return request;
}

} // namespace

std::variant<CreateRequest, VerifyRequest> CommandLine::parse(int argc, const char* const* argv) {
    std::vector<std::string_view> arguments(argv + 1, argv + (argc > 1 ? argc : 1));
    if (!arguments.empty() && arguments.front() == "verify")
        return parseVerify(arguments);
    const int progressDescriptor = takeProgressDescriptor(arguments);
    if (arguments.size() != 8 && arguments.size() != 11)
        throw DiskImageError(usage);
    expect(arguments, 0, "create");
    expect(arguments, 1, "-srcfolder");
    expect(arguments, 3, "-volname");
    expect(arguments, 5, "-format");
    if (arguments[6] != "UDZO")
        throw DiskImageError("Unsupported image format \"" + std::string(arguments[6]) +
                             "\"; only UDZO is written");

    CreateRequest request;
    request.progressDescriptor = progressDescriptor;
    request.sourceFolder = arguments[2];
    request.volumeName = arguments[4];
    if (arguments.size() == 11) {
        expect(arguments, 7, "-encryption");
        if (arguments[8] != "AES-256")
            throw DiskImageError("Unsupported encryption \"" + std::string(arguments[8]) +
                                 "\"; only AES-256 is written");
        expect(arguments, 9, "-stdinpass");
        request.encrypted = true;
    }
    request.outputPath = arguments.back();
    if (request.sourceFolder.empty() || request.outputPath.empty() || request.outputPath.front() == '-')
        throw DiskImageError(usage);
    return request;
}
