#include "DisplayPlatform.h"

#include <QtGlobal>

namespace DisplayPlatform {

namespace {

const char* const platformVariable = "QT_QPA_PLATFORM";

} // namespace

Environment current() {
    return {qgetenv(platformVariable), qgetenv("XDG_SESSION_TYPE"), qgetenv("WAYLAND_DISPLAY")};
}

QByteArray platformList(const Environment& environment, const QByteArrayList& arguments) {
    if (!environment.requestedPlatform.isEmpty() || arguments.contains("-platform") ||
        arguments.contains("--platform"))
        return {};
    if (environment.waylandDisplay.isEmpty() && environment.sessionType != "wayland")
        return {};
    return QByteArrayLiteral("wayland;xcb");
}

bool chooseBeforeStart(int argc, char** argv) {
    QByteArrayList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QByteArray(argv[index]));
    const QByteArray platforms = platformList(current(), arguments);
    if (platforms.isEmpty())
        return false;
    qputenv(platformVariable, platforms);
    return true;
}

void forgetChoice() {
    qunsetenv(platformVariable);
}

} // namespace DisplayPlatform
