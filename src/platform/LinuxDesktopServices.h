#pragma once

#include "workflow/DesktopServices.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <chrono>
#include <functional>

// The desktop as a freedesktop.org session offers it. Every service fails silently where the
// desktop lacks it.
class LinuxDesktopServices final : public QObject, public DesktopServices {
    Q_OBJECT

public:
    // What the services reach out to; tests point these at stand-ins.
    struct Environment {
        QDBusConnection bus = QDBusConnection::sessionBus();
        // A program name is looked up in PATH.
        QString emailProgram = QStringLiteral("xdg-email");
        std::function<bool(const QUrl&)> openUrl;
        std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
        std::chrono::milliseconds revealTimeout{2000};
    };

    explicit LinuxDesktopServices(QObject* parent = nullptr);
    explicit LinuxDesktopServices(Environment environment, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(LinuxDesktopServices)

    bool moveToTrash(const QByteArray& path) override;
    void revealInFileManager(const QList<QUrl>& items) override;
    void composeEmail(const QList<QUrl>& attachments) override;
    void openUrl(const QUrl& url) override;

private:
    void openContainingFolders(const QList<QUrl>& items);

    Environment m_environment;
};
