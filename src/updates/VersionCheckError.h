#pragma once

#include <QMetaType>
#include <QString>

// Why a version check did not announce a newer version. Code 0 is the up-to-date outcome, not a
// failure; it travels in the same place as real failures so that one observer handles both.
class VersionCheckError final {
public:
    static constexpr int checkFailedCode = -1;
    static constexpr int upToDateCode = 0;

    VersionCheckError() = default;

    // No usable version document.
    static VersionCheckError checkFailed();
    // The running version is the newest; `applicationAndVersion` reads like "Balewick 2.4".
    static VersionCheckError upToDate(const QString& applicationAndVersion);

    int code() const { return m_code; }
    QString localizedDescription() const { return m_description; }
    // Empty when there is none.
    QString recoverySuggestion() const { return m_recoverySuggestion; }

    friend bool operator==(const VersionCheckError&, const VersionCheckError&) = default;

private:
    VersionCheckError(int code, QString description, QString recoverySuggestion);

    int m_code = checkFailedCode;
    QString m_description;
    QString m_recoverySuggestion;
};

Q_DECLARE_METATYPE(VersionCheckError)
