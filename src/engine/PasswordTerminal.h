#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <chrono>

// A pseudo-terminal that types a password into a tool that asks for it on its terminal (zip -e
// asks twice), so that the password never appears on a command line other programs can read.
class PasswordTerminal final {
public:
    // The longest password zip reads from a terminal; a longer one is refused by zip itself.
    static constexpr qsizetype longestPassword = 80;

    // Throws PlatformError when no pseudo-terminal can be had.
    explicit PasswordTerminal(QByteArray password);
    ~PasswordTerminal();
    Q_DISABLE_COPY_MOVE(PasswordTerminal)

    // The terminal device the child opens as its controlling terminal (in a session of its own).
    const QByteArray& devicePath() const { return m_devicePath; }

    // Answers the tool's two prompts, which it writes to the file `promptsPath` (its standard
    // error). Returns true when both were answered, false when the tool ended (its pidfd, when
    // given, turns readable), asked again (an answer refused) or did not ask within `patience`.
    // The terminal stays open until this object goes: closing it would hang up on the tool.
    bool answerPrompts(const QString& promptsPath, int processFd,
                       std::chrono::milliseconds patience = std::chrono::seconds(30));

    // The tool's standard error without its prompts.
    static QString withoutPrompts(QString text);

private:
    bool echoIsOff() const;
    bool type(const QByteArray& line) const;

    QByteArray m_password;
    FileDescriptor m_controller;
    // Held open so that the terminal exists before the child opens it, and reads never fail early.
    FileDescriptor m_device;
    QByteArray m_devicePath;
};
