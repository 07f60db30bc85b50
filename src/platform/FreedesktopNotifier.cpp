#include "FreedesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString showAction = QStringLiteral("show");
const QString defaultAction = QStringLiteral("default");

} // namespace

FreedesktopNotifier::FreedesktopNotifier(BusSource bus, QObject* parent)
    : QObject(parent)
    , m_busSource(std::move(bus)) {}

QDBusConnection& FreedesktopNotifier::bus() {
    if (m_bus)
        return *m_bus;
    m_bus = m_busSource();
    if (m_bus->isConnected()) {
        m_bus->connect(service, path, interface, QStringLiteral("ActionInvoked"), this,
                       SLOT(actionInvoked(uint, QString)));
        m_bus->connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                       SLOT(notificationClosed(uint, uint)));
    }
    return *m_bus;
}

void FreedesktopNotifier::notify(const QString& title, const QString& body, std::function<void()> show) {
    if (!bus().isConnected())
        return;
    QStringList actions;
    if (show) // the default action is a click on the notification itself
        actions << defaultAction << qtTrId("notification.show") << showAction << qtTrId("notification.show");
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call.setArguments({QStringLiteral("Balewick"), uint(0), QStringLiteral("balewick"), title, body, actions,
                       QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("balewick")}}, int(-1)});
    // Asynchronous, so a missing or slow service never holds up the window.
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, show = std::move(show)](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (!reply.isError() && show)
                    m_actions.insert(reply.value(), show);
            });
}

void FreedesktopNotifier::actionInvoked(uint id, const QString& action) {
    const auto found = m_actions.constFind(id);
    if (found == m_actions.constEnd() || (action != showAction && action != defaultAction))
        return;
    const std::function<void()> show = *found;
    m_actions.remove(id);
    show();
}

void FreedesktopNotifier::notificationClosed(uint id, uint) {
    m_actions.remove(id);
}
