#include "VersionChecker.h"

#include "Translations.h"
#include "VersionCheckError.h"
#include "VersionCheckResult.h"
#include "VersionCheckUpdateView.h"
#include "VersionComparison.h"
#include "VersionDocument.h"
#include "persistence/AppPreferences.h"
#include "platform/AppInfo.h"
#include "workflow/DesktopServices.h"

#include <QDateTime>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QStringDecoder>
#include <QTimer>

#include <memory>

namespace {

const QString errorKey = QStringLiteral("error");
const QString requestedByUserKey = QStringLiteral("requestedByUser");

// Errors that only restate the HTTP status. The status is never looked at: an error page is
// a document like any other, and fails for want of a version in it.
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError) ||
           error == QNetworkReply::ProtocolInvalidOperationError;
}

// A download address from the document is opened only when it is a web page: the document comes
// from the network and must not start other programs or open local files.
std::optional<QUrl> downloadAddress(const VersionCheckResult& result) {
    const QUrl url(result.downloadUrl.value_or(QString()).trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return std::nullopt;
    return url;
}

// What one running request has read so far.
struct Transfer {
    QByteArray body;
    // Too large, or past the deadline: no usable document.
    bool refused = false;
};

} // namespace

VersionChecker::Configuration VersionChecker::Configuration::standard() {
    return {::webHost(), AppInfo::bundled(), runningLanguage(), std::chrono::milliseconds(10000),
            std::chrono::milliseconds(30000)};
}

VersionChecker::VersionChecker(AppPreferences& preferences, DesktopServices& desktop, QObject* parent)
    : VersionChecker(preferences, desktop, Configuration::standard(), parent) {}

VersionChecker::VersionChecker(AppPreferences& preferences, DesktopServices& desktop,
                               Configuration configuration, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_desktop(desktop)
    , m_configuration(std::move(configuration)) {
    qRegisterMetaType<VersionCheckError>();
}

VersionChecker::~VersionChecker() = default;

VersionCheckUpdateView* VersionChecker::updateWindow() const {
    return m_updateWindow.data();
}

QString VersionChecker::runningLanguage() {
    // The catalogue chosen at start, so the document's texts match the rest of the application.
    return Translations::loadedLanguage();
}

const std::optional<QUrl>& VersionChecker::endpoint() {
    if (!m_endpoint)
        m_endpoint = webPageUrl(m_configuration.webHost, QStringLiteral("/version_checking/Balewick.xml"));
    return *m_endpoint;
}

void VersionChecker::checkForUpdates(bool requestedByUser) {
    const std::optional<QUrl>& url = endpoint();
    if (!url) {
        // Queued, so that the outcome arrives after the call returns, as for every other check.
        QMetaObject::invokeMethod(
            this,
            [this, requestedByUser] {
                finishWithError(QVariant::fromValue(VersionCheckError::checkFailed()), requestedByUser);
            },
            Qt::QueuedConnection);
        return;
    }
    if (!m_network)
        m_network = new QNetworkAccessManager(this);

    QNetworkRequest request(*url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(static_cast<int>(m_configuration.timeout.count()));
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Balewick"));
    QNetworkReply* reply = m_network->get(request);
    // Small buffers, so the size limit is noticed before much more than it has been read.
    reply->setReadBufferSize(64 * 1024);
    auto transfer = std::make_shared<Transfer>();

    const auto refuse = [reply, transfer] {
        transfer->refused = true;
        transfer->body.clear();
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, transfer, refuse] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (!transfer->refused && length.isValid() && length.toLongLong() > maximumDocumentSize)
            refuse();
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, transfer, refuse] {
        if (transfer->refused)
            return;
        transfer->body += reply->read(maximumDocumentSize + 1 - transfer->body.size());
        if (transfer->body.size() > maximumDocumentSize)
            refuse();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, transfer, requestedByUser] {
        reply->deleteLater();
        if (!transfer->refused) {
            transfer->body += reply->read(maximumDocumentSize + 1 - transfer->body.size());
            transfer->refused = transfer->body.size() > maximumDocumentSize;
        }
        if (transfer->refused) {
            finishWithError(QVariant::fromValue(VersionCheckError::checkFailed()), requestedByUser);
            return;
        }
        if (reply->error() != QNetworkReply::NoError && !isHttpStatusError(reply->error())) {
            finishWithError(reply->errorString(), requestedByUser);
            return;
        }
        handleVersionResponse(transfer->body, requestedByUser);
    });
    // The timer goes with the reply, so a check that has finished is left alone.
    QTimer::singleShot(m_configuration.deadline, reply, refuse);
}

void VersionChecker::handleVersionResponse(const QByteArray& body, bool requestedByUser) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(body);
    const std::optional<VersionCheckResult> result =
        decoder.hasError() || text.trimmed().isEmpty()
            ? std::nullopt
            : VersionDocument::parse(text, m_configuration.language);
    if (!result) {
        finishWithError(QVariant::fromValue(VersionCheckError::checkFailed()), requestedByUser);
        return;
    }

    m_preferences.setLastAutoCheckDate(QDateTime::currentDateTime());

    const QString current = currentVersionOr(QStringLiteral("0"));
    if (compareVersions(result->latestVersion, current) > 0) {
        QVariantMap userInfo = result->userInfo();
        userInfo.insert(requestedByUserKey, requestedByUser);
        finishVersionCheck(userInfo, requestedByUser);
        showUpdateWindow(*result);
        return;
    }
    const VersionCheckError upToDate =
        VersionCheckError::upToDate(applicationName() + QLatin1Char(' ') + current);
    finishWithError(QVariant::fromValue(upToDate), requestedByUser);
}

void VersionChecker::finishWithError(const QVariant& error, bool requestedByUser) {
    finishVersionCheck({{errorKey, error}, {requestedByUserKey, requestedByUser}}, requestedByUser);
}

void VersionChecker::finishVersionCheck(const QVariantMap& userInfo, bool requestedByUser) {
    emit versionCheckDidFinish(userInfo);
    if (!requestedByUser || !userInfo.contains(errorKey))
        return;
    const QVariant error = userInfo.value(errorKey);
    if (error.metaType() == QMetaType::fromType<VersionCheckError>() &&
        error.value<VersionCheckError>().code() == VersionCheckError::upToDateCode)
        showUpToDateAlert(error.value<VersionCheckError>());
    else
        showCheckUnavailableAlert();
}

void VersionChecker::showUpToDateAlert(const VersionCheckError& error) {
    // Not blocking: another check may finish while the alert is up, and must be able to report.
    auto* alert = new QMessageBox(QMessageBox::Information, QString(), error.localizedDescription());
    alert->setObjectName(QStringLiteral("upToDateAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setInformativeText(error.recoverySuggestion());
    QPushButton* ok = alert->addButton(qtTrId("confirm.ok"), QMessageBox::AcceptRole);
    alert->setDefaultButton(ok);
    alert->setEscapeButton(ok);
    alert->setWindowModality(Qt::ApplicationModal);
    alert->show();
}

void VersionChecker::showCheckUnavailableAlert() {
    auto* alert = new QMessageBox(QMessageBox::Warning, QString(), qtTrId("updates.alert.unavailable.title"));
    alert->setObjectName(QStringLiteral("checkUnavailableAlert"));
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setInformativeText(qtTrId("updates.alert.unavailable.message").arg(currentVersionOr(QString())));
    QPushButton* openPage = alert->addButton(qtTrId("updates.alert.openPage"), QMessageBox::AcceptRole);
    QPushButton* ignore = alert->addButton(qtTrId("updates.alert.ignore"), QMessageBox::RejectRole);
    alert->setDefaultButton(openPage);
    alert->setEscapeButton(ignore);
    alert->setWindowModality(Qt::ApplicationModal);
    connect(openPage, &QPushButton::clicked, this, &VersionChecker::openHomePage);
    alert->show();
}

void VersionChecker::showUpdateWindow(const VersionCheckResult& result) {
    const QString title = result.titleText.value_or(qtTrId("updates.window.defaultTitle"));
    const QString versionLine =
        qtTrId("updates.window.versionLine").arg(result.latestVersion, currentVersionOr(QString()));
    const std::optional<QUrl> download = downloadAddress(result);

    auto* window =
        new VersionCheckUpdateView(m_preferences, title, versionLine, result.infoText.value_or(QString()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Each window's buttons close that window; the slot forgets it when it was the one kept.
    const QPointer<VersionCheckUpdateView> guarded(window);
    const auto dismiss = [this, guarded] {
        if (!guarded)
            return;
        if (m_updateWindow == guarded)
            m_updateWindow.clear();
        guarded->close();
    };
    connect(window, &VersionCheckUpdateView::toggleCheckingRequested, this,
            [this] { m_preferences.setAutoCheckForUpdates(!m_preferences.autoCheckForUpdates()); });
    connect(window, &VersionCheckUpdateView::cancelRequested, this, dismiss);
    connect(window, &VersionCheckUpdateView::okRequested, this, [this, download, dismiss] {
        if (download)
            m_desktop.openUrl(*download);
        else
            openHomePage();
        dismiss();
    });
    m_updateWindow = window;
    window->present();
}

void VersionChecker::openHomePage() {
    if (const std::optional<QUrl> home = webPageUrl(m_configuration.webHost, QStringLiteral("/")))
        m_desktop.openUrl(*home);
}

QString VersionChecker::currentVersionOr(const QString& fallback) const {
    return m_configuration.appInfo.shortVersion.value_or(fallback);
}

QString VersionChecker::applicationName() const {
    const AppInfo& info = m_configuration.appInfo;
    return info.name.value_or(info.displayName.value_or(QStringLiteral("Balewick")));
}
