#include "LinuxDesktopServices.h"

#include "GioTrash.h"
#include "engine/LocalPath.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace {

// What the desktop's helpers print is not Balewick's to show: xdg-email without a mail program
// falls back to xdg-open, which complains on the terminal Balewick was started from.
bool startSilently(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached();
}

LinuxDesktopServices::Environment completed(LinuxDesktopServices::Environment environment) {
    if (!environment.openUrl)
        environment.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    if (!environment.startDetached)
        environment.startDetached = startSilently;
    return environment;
}

} // namespace

LinuxDesktopServices::LinuxDesktopServices(QObject* parent)
    : LinuxDesktopServices(Environment{}, parent) {}

LinuxDesktopServices::LinuxDesktopServices(Environment environment, QObject* parent)
    : QObject(parent)
    , m_environment(completed(std::move(environment))) {}

bool LinuxDesktopServices::moveToTrash(const QByteArray& path) {
    const QByteArray cleanPath = LocalPath::cleaned(path);
    if (cleanPath.isEmpty() || cleanPath == "/")
        return false;
    return GioTrash::moveToTrash(cleanPath);
}

void LinuxDesktopServices::revealInFileManager(const QList<QUrl>& items) {
    if (items.isEmpty())
        return;
    if (!m_environment.bus.isConnected()) {
        openContainingFolders(items);
        return;
    }
    QStringList uris;
    for (const QUrl& item : items)
        uris.append(item.toString(QUrl::FullyEncoded));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call.setArguments({uris, QString()});
    const QDBusPendingCall pending =
        m_environment.bus.asyncCall(call, static_cast<int>(m_environment.revealTimeout.count()));
    auto* watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, items](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                if (finished->isError())
                    openContainingFolders(items);
            });
}

void LinuxDesktopServices::openContainingFolders(const QList<QUrl>& items) {
    QSet<QByteArray> opened;
    for (const QUrl& item : items) {
        const QByteArray path = LocalPath::fromUrl(item);
        if (path.isEmpty())
            continue;
        const QByteArray folder = LocalPath::folder(path);
        if (opened.contains(folder))
            continue;
        opened.insert(folder);
        m_environment.openUrl(LocalPath::toUrl(folder));
    }
}

void LinuxDesktopServices::composeEmail(const QList<QUrl>& attachments) {
    const QString program = QStandardPaths::findExecutable(m_environment.emailProgram);
    if (program.isEmpty())
        return;
    QStringList arguments;
    for (const QUrl& attachment : attachments) {
        // Archives are written only where their path is also text, so the text finds them.
        const QByteArray path = LocalPath::fromUrl(attachment);
        if (!path.isEmpty())
            arguments << QStringLiteral("--attach") << LocalPath::display(path);
    }
    if (arguments.isEmpty())
        return;
    m_environment.startDetached(program, arguments);
}

void LinuxDesktopServices::openUrl(const QUrl& url) {
    if (url.isValid())
        m_environment.openUrl(url);
}
