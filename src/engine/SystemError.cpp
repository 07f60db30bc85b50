#include "SystemError.h"

#include <system_error>

QString systemErrorText(int errorNumber) {
    return QString::fromStdString(std::generic_category().message(errorNumber));
}

PlatformError systemError(int errorNumber, const QString& message, const QString& name) {
    return PlatformError(errorNumber, message.arg(name, systemErrorText(errorNumber)));
}
