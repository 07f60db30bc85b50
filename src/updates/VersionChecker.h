#pragma once

#include "platform/AppInfo.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>

#include <chrono>
#include <optional>

class AppPreferences;
class DesktopServices;
class QNetworkAccessManager;
class VersionCheckError;
class VersionCheckUpdateView;
struct VersionCheckResult;

// Asks the maker's web site which version is the newest, and tells everyone who listens. The
// window that announces a newer version is opened from here too.
class VersionChecker final : public QObject {
    Q_OBJECT

public:
    // What a check reaches out to; tests point it at a loopback server.
    struct Configuration {
        QString webHost;
        AppInfo appInfo;
        // The language whose texts the document is asked for ("fr", "pt-BR", ...).
        QString language;
        // Without a byte for this long, the request fails.
        std::chrono::milliseconds timeout{10000};
        // The whole check ends by then: a server that trickles bytes restarts the timeout forever.
        std::chrono::milliseconds deadline{30000};

        // This build's web host and identity, and the language the application runs in.
        static Configuration standard();
    };

    // A larger document is refused unread: a broken or hostile server must not fill memory.
    static constexpr qint64 maximumDocumentSize = 1024 * 1024;

    // The preferences (and their store, where the last check's date goes) and the desktop must
    // outlive the checker.
    VersionChecker(AppPreferences& preferences, DesktopServices& desktop, QObject* parent = nullptr);
    VersionChecker(AppPreferences& preferences, DesktopServices& desktop, Configuration configuration,
                   QObject* parent = nullptr);
    ~VersionChecker() override;
    Q_DISABLE_COPY_MOVE(VersionChecker)

    // Returns at once; the outcome arrives as versionCheckDidFinish(). Alerts are shown only when
    // the user asked. Checks do not know about each other: each one finishes on its own.
    void checkForUpdates(bool requestedByUser);

    // Opens a new window announcing the version in `result`.
    void showUpdateWindow(const VersionCheckResult& result);
    // The announcement window opened last, until its Cancel or OK closes it.
    VersionCheckUpdateView* updateWindow() const;

    // The language of the translation the application runs in; "en" without one.
    static QString runningLanguage();

signals:
    // "BalewickVersionCheckDidFinish": after every check, exactly once. With "error" (a
    // VersionCheckError, or the network's error text as a QString) for a failure or the
    // up-to-date outcome; otherwise "latestVersion" and whichever of "downloadUrl", "titleText"
    // and "infoText" the document had. "requestedByUser" always.
    void versionCheckDidFinish(const QVariantMap& userInfo);

private:
    const std::optional<QUrl>& endpoint();
    void handleVersionResponse(const QByteArray& body, bool requestedByUser);
    void finishWithError(const QVariant& error, bool requestedByUser);
    void finishVersionCheck(const QVariantMap& userInfo, bool requestedByUser);
    void showUpToDateAlert(const VersionCheckError& error);
    void showCheckUnavailableAlert();
    void openHomePage();
    QString currentVersionOr(const QString& fallback) const;
    QString applicationName() const;

    AppPreferences& m_preferences;
    DesktopServices& m_desktop;
    Configuration m_configuration;
    std::optional<std::optional<QUrl>> m_endpoint;
    QNetworkAccessManager* m_network = nullptr;
    QPointer<VersionCheckUpdateView> m_updateWindow;
};
