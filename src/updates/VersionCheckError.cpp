#include "VersionCheckError.h"

VersionCheckError::VersionCheckError(int code, QString description, QString recoverySuggestion)
    : m_code(code)
    , m_description(std::move(description))
    , m_recoverySuggestion(std::move(recoverySuggestion)) {}

VersionCheckError VersionCheckError::checkFailed() {
    return {checkFailedCode, qtTrId("updates.check.failed"), QString()};
}

VersionCheckError VersionCheckError::upToDate(const QString& applicationAndVersion) {
    return {upToDateCode, qtTrId("updates.alert.upToDate.title"),
            qtTrId("updates.alert.upToDate.message").arg(applicationAndVersion)};
}
