#pragma once

#include <QString>

#include <exception>

// A failure of the operating system (a copy, a folder, a launch), passed up as it stands: the
// workflow shows its description and does not reinterpret it.
class PlatformError final : public std::exception {
public:
    PlatformError(int errorNumber, QString description)
        : m_errorNumber(errorNumber)
        , m_description(std::move(description)) {}

    // The errno value behind the failure, or 0 when there is none.
    int errorNumber() const { return m_errorNumber; }
    const QString& errorDescription() const { return m_description; }
    const char* what() const noexcept override { return "PlatformError"; }

private:
    int m_errorNumber;
    QString m_description;
};
