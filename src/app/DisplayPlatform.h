#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace DisplayPlatform {

// What the environment says about the display; empty where a variable is unset.
struct Environment {
    QByteArray requestedPlatform; // QT_QPA_PLATFORM
    QByteArray sessionType;       // XDG_SESSION_TYPE
    QByteArray waylandDisplay;    // WAYLAND_DISPLAY
};

Environment current();

// The platform plugins Qt is to try, in order, or empty to leave the choice to Qt. Qt 6.4 starts on
// X11 unless told otherwise, even in a Wayland session (on GNOME it ignores the session type), so
// where a compositor is announced Balewick asks for Wayland first and X11 second: the second is
// used only when the compositor cannot be reached. A platform the user names is left alone.
QByteArray platformList(const Environment& environment, const QByteArrayList& arguments);

// Sets QT_QPA_PLATFORM for the application object about to be made; true when it did.
bool chooseBeforeStart(int argc, char** argv);

// Undoes chooseBeforeStart, so that the programs Balewick starts (the mail program, the file
// manager) make their own choice.
void forgetChoice();

} // namespace DisplayPlatform
