#pragma once

#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

// Notifications through the desktop's notification service (org.freedesktop.Notifications).
class FreedesktopNotifier final : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    explicit FreedesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                                 QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FreedesktopNotifier)

    void notify(const QString& title, const QString& body, std::function<void()> show) override;

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    // The "Show" action of each notification still on screen, by the service's id.
    QHash<uint, std::function<void()>> m_actions;
};
