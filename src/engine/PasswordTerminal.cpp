#include "PasswordTerminal.h"

#include "SecretWipe.h"
#include "SystemError.h"
#include "WriteAll.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

const QByteArray firstPrompt = QByteArrayLiteral("Enter password:");
const QByteArray secondPrompt = QByteArrayLiteral("Verify password:");

// Only a line feed ends the answer: no signal keys, no erase or kill characters, no flow
// control, so every byte of the password arrives as typed.
void makeLiteral(int device) {
    termios settings{};
    if (::tcgetattr(device, &settings) != 0)
        return;
    settings.c_iflag &= ~tcflag_t(IXON | IXOFF | ICRNL | INLCR | IGNCR | ISTRIP | IMAXBEL);
    settings.c_iflag |= IUTF8;
    settings.c_lflag &= ~tcflag_t(ISIG | IEXTEN);
    for (const int key : {VINTR, VQUIT, VERASE, VKILL, VEOF, VEOL, VEOL2, VSTART, VSTOP, VSUSP, VLNEXT,
                          VWERASE, VREPRINT, VDISCARD})
        settings.c_cc[key] = _POSIX_VDISABLE;
    settings.c_cflag = (settings.c_cflag & ~tcflag_t(CSIZE | PARENB)) | CS8;
    ::tcsetattr(device, TCSANOW, &settings);
}

} // namespace

PasswordTerminal::PasswordTerminal(QByteArray password)
    : m_password(std::move(password)) {
    m_controller = FileDescriptor(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
    char name[PATH_MAX] = {};
    if (!m_controller.isValid() || ::grantpt(m_controller.get()) != 0 ||
        ::unlockpt(m_controller.get()) != 0 || ::ptsname_r(m_controller.get(), name, sizeof name) != 0)
        throw systemError(errno, qtTrId("error.launch"), QStringLiteral("zip"));
    m_devicePath = QByteArray(name);
    m_device = FileDescriptor(::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC));
    if (!m_device.isValid())
        throw systemError(errno, qtTrId("error.launch"), QStringLiteral("zip"));
    makeLiteral(m_device.get());
}

PasswordTerminal::~PasswordTerminal() {
    wipe(m_password);
}

bool PasswordTerminal::answerPrompts(const QString& promptsPath, int processFd,
                                     std::chrono::milliseconds patience) {
    QFile prompts(promptsPath);
    if (!prompts.open(QIODevice::ReadOnly))
        return false;
    QByteArray written;
    qsizetype searchFrom = 0;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (const QByteArray& prompt : {firstPrompt, secondPrompt}) {
        // The tool turns echo off right after its prompt and drops whatever was typed before.
        for (;;) {
            pollfd ended{processFd, POLLIN, 0};
            if (processFd >= 0 && ::poll(&ended, 1, 0) > 0)
                return false;
            written += prompts.readAll();
            const qsizetype found = written.indexOf(prompt, searchFrom);
            if (found >= 0 && echoIsOff()) {
                searchFrom = found + prompt.size();
                break;
            }
            // Asked for the first password again: the answer was refused.
            if (prompt == secondPrompt && written.indexOf(firstPrompt, searchFrom) >= 0)
                return false;
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(2ms);
        }
        // Typed in two parts, so that no copy of the password with its line end is left behind.
        if (!type(m_password) || !type(QByteArrayLiteral("\n")))
            return false;
    }
    return true;
}

QString PasswordTerminal::withoutPrompts(QString text) {
    for (const QByteArray& prompt : {firstPrompt, secondPrompt})
        text.remove(QString::fromLatin1(prompt));
    return text.trimmed();
}

bool PasswordTerminal::echoIsOff() const {
    termios settings{};
    return ::tcgetattr(m_controller.get(), &settings) == 0 && !(settings.c_lflag & ECHO);
}

bool PasswordTerminal::type(const QByteArray& line) const {
    return writeAll(m_controller.get(), line);
}
