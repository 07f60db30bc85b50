#pragma once

#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

// Notifications through the desktop's notification service (org.freedesktop.Notifications). The bus
// is reached on the first notification, so that a start that never notifies never waits for it.
class FreedesktopNotifier final : public QObject, public DesktopNotifier {
    Q_OBJECT

public:
    using BusSource = std::function<QDBusConnection()>;
    explicit FreedesktopNotifier(BusSource bus = &QDBusConnection::sessionBus, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FreedesktopNotifier)

    void notify(const QString& title, const QString& body, std::function<void()> show) override;

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    // The bus, connected to the service's signals on first use.
    QDBusConnection& bus();

    BusSource m_busSource;
    std::optional<QDBusConnection> m_bus;
    // The "Show" action of each notification still on screen, by the service's id.
    QHash<uint, std::function<void()>> m_actions;
};
