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

// The descriptor of "-progressfd N"; a number that names no open descriptor is refused.
int progressDescriptor(std::string_view number) {
    int descriptor = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), descriptor);
    if (error != std::errc() || end != number.data() + number.size() || descriptor < 3 ||
        ::fcntl(descriptor, F_GETFD) < 0)
        throw DiskImageError("The progress descriptor \"" + std::string(number) + "\" is not open");
    return descriptor;
}

} // namespace

std::variant<CreateRequest, VerifyRequest> CommandLine::parse(int argc, const char* const* argv) {
    std::vector<std::string_view> arguments(argv + 1, argv + (argc > 1 ? argc : 1));
    if (!arguments.empty() && arguments.front() == "verify")
        return parseVerify(arguments);
    int progress = -1;
    if (arguments.size() >= 3 && arguments[arguments.size() - 3] == "-progressfd") {
        progress = progressDescriptor(arguments[arguments.size() - 2]);
        arguments.erase(arguments.end() - 3, arguments.end() - 1);
    }
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
    request.progressDescriptor = progress;
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
