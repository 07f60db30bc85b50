#include "AppPreferences.h"

#include "ConfirmationAlert.h"
#include "StoredValues.h"

#include <QDir>
#include <QPointer>

#include <limits>

namespace {

const QString autoCheckForUpdatesKey = QStringLiteral("BWAutoCheckUpdates");
const QString destinationKey = QStringLiteral("BWDestination");
const QString archiveFolderKey = QStringLiteral("BWArchiveFolder");
const QString selectedActionKey = QStringLiteral("BWSelectedAction");
const QString promptForNameKey = QStringLiteral("BWPromptForName");
const QString individualArchivesKey = QStringLiteral("BWIndividualArchives");
const QString skipAlreadyCompressedKey = QStringLiteral("BWSkipAlreadyCompressed");
const QString omitFinderFilesKey = QStringLiteral("BWOmitFinder");
const QString omitMacMetadataKey = QStringLiteral("BWOmitMac");
const QString trashOriginalsKey = QStringLiteral("BWTrashOriginals");
const QString actionFormatsKey = QStringLiteral("BWActionFormats");
const QString lastArchiveKey = QStringLiteral("BWLastArchive");
const QString lastAutoCheckDateKey = QStringLiteral("BWAutoCheckLastDate");

// Keys of an old build that kept a password; never read, removed at every start.
const QStringList obsoleteKeys{QStringLiteral("BWSavedPassword"), QStringLiteral("BWRememberPassword")};

const QStringList suppressionKeys{
    QStringLiteral("BWSuppressOmitFinder"),   QStringLiteral("BWSuppressOmitMac"),
    QStringLiteral("BWSuppressTrash"),        QStringLiteral("BWSuppressEncryptedDMG"),
    QStringLiteral("BWSuppressEncryptedZip"), QStringLiteral("BWSuppressLargeMail")};

constexpr int rememberedActionCount = 3;

} // namespace

AppPreferences::AppPreferences(QSettings* settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings) {
    bool wrote = false;
    for (const QString& key : obsoleteKeys) {
        if (m_settings->contains(key)) {
            m_settings->remove(key);
            wrote = true;
        }
    }
    if (!m_settings->contains(autoCheckForUpdatesKey)) {
        m_settings->setValue(autoCheckForUpdatesKey, true);
        wrote = true;
    }
    if (wrote)
        m_settings->sync();

    m_autoCheckForUpdates = readBool(autoCheckForUpdatesKey, true);
    const QString storedDestination =
        StoredValues::stringValue(m_settings->value(destinationKey)).value_or(QString());
    m_destination = archiveDestinationFromRaw(storedDestination).value_or(ArchiveDestination::sameFolder);
    // An empty path names no folder at all, so it counts as missing.
    const QString storedFolder =
        StoredValues::stringValue(m_settings->value(archiveFolderKey)).value_or(QString());
    m_archiveFolderPath = storedFolder.isEmpty()
                              ? QDir(QDir::homePath()).filePath(QStringLiteral("Archived Files"))
                              : storedFolder;
    const qint64 action = StoredValues::integerValue(m_settings->value(selectedActionKey)).value_or(0);
    m_selectedAction = action == 2   ? ArchiveAction::archive
                       : action == 1 ? ArchiveAction::email
                                     : ArchiveAction::compress;
    m_promptForName = readBool(promptForNameKey, false);
    m_individualArchives = readBool(individualArchivesKey, false);
    m_skipAlreadyCompressed = readBool(skipAlreadyCompressedKey, false);
    m_omitFinderFiles = readBool(omitFinderFilesKey, false);
    m_omitMacMetadata = readBool(omitMacMetadataKey, false);
    m_trashOriginals = readBool(trashOriginalsKey, false);
}

bool AppPreferences::readBool(const QString& key, bool fallback) const {
    return StoredValues::boolValue(m_settings->value(key)).value_or(fallback);
}

void AppPreferences::store(const QString& key, const QVariant& value) {
    m_settings->setValue(key, value);
    // Flushed at once so that another reader of the file, or a crash right after, sees the change.
    m_settings->sync();
}

template <typename Value, typename Stored>
void AppPreferences::assign(Value& member, const Value& value, const QString& key, const Stored& stored,
                            void (AppPreferences::*changed)()) {
    const bool isChange = member != value;
    member = value;
    // Written even when unchanged, so the store always ends up holding what the user chose.
    store(key, QVariant::fromValue(stored));
    if (isChange)
        emit(this->*changed)();
}

void AppPreferences::setAutoCheckForUpdates(bool value) {
    assign(m_autoCheckForUpdates, value, autoCheckForUpdatesKey, value,
           &AppPreferences::autoCheckForUpdatesChanged);
}

void AppPreferences::setDestination(ArchiveDestination value) {
    assign(m_destination, value, destinationKey, rawValue(value), &AppPreferences::destinationChanged);
}

void AppPreferences::setArchiveFolderPath(const QString& value) {
    assign(m_archiveFolderPath, value, archiveFolderKey, value, &AppPreferences::archiveFolderPathChanged);
}

void AppPreferences::setSelectedAction(ArchiveAction value) {
    assign(m_selectedAction, value, selectedActionKey, rawValue(value),
           &AppPreferences::selectedActionChanged);
}

void AppPreferences::setPromptForName(bool value) {
    assign(m_promptForName, value, promptForNameKey, value, &AppPreferences::promptForNameChanged);
}

void AppPreferences::setIndividualArchives(bool value) {
    assign(m_individualArchives, value, individualArchivesKey, value,
           &AppPreferences::individualArchivesChanged);
}

void AppPreferences::setSkipAlreadyCompressed(bool value) {
    assign(m_skipAlreadyCompressed, value, skipAlreadyCompressedKey, value,
           &AppPreferences::skipAlreadyCompressedChanged);
}

void AppPreferences::setOmitFinderFiles(bool value) {
    assign(m_omitFinderFiles, value, omitFinderFilesKey, value, &AppPreferences::omitFinderFilesChanged);
}

void AppPreferences::setOmitMacMetadata(bool value) {
    assign(m_omitMacMetadata, value, omitMacMetadataKey, value, &AppPreferences::omitMacMetadataChanged);
}

void AppPreferences::setTrashOriginals(bool value) {
    assign(m_trashOriginals, value, trashOriginalsKey, value, &AppPreferences::trashOriginalsChanged);
}

QList<qint64> AppPreferences::storedActionFormats() const {
    // Another process may have changed the file since the last look.
    m_settings->sync();
    return StoredValues::integerArrayValue(m_settings->value(actionFormatsKey))
        .value_or(QList<qint64>(rememberedActionCount, 0));
}

ArchiveFormat AppPreferences::actionFormat(ArchiveAction action) const {
    const QList<qint64> formats = storedActionFormats();
    const int index = rawValue(action);
    if (index >= formats.size())
        return ArchiveFormat::zip;
    const qint64 raw = formats.at(index);
    if (raw < 0 || raw > rawValue(ArchiveFormat::encryptedZip))
        return ArchiveFormat::zip;
    return archiveFormatFromRaw(int(raw)).value_or(ArchiveFormat::zip);
}

void AppPreferences::setActionFormat(ArchiveFormat format, ArchiveAction action) {
    QList<qint64> formats = storedActionFormats();
    while (formats.size() < rememberedActionCount)
        formats.append(0);
    formats[rawValue(action)] = rawValue(format);
    QVariantList stored;
    stored.reserve(formats.size());
    for (qint64 raw : formats) {
        // Values that fit are kept as plain integers, so the file reads "5, 0, 1".
        if (raw >= std::numeric_limits<int>::min() && raw <= std::numeric_limits<int>::max())
            stored.append(int(raw));
        else
            stored.append(raw);
    }
    store(actionFormatsKey, stored);
    emit actionFormatsChanged();
}

QString AppPreferences::lastArchive() const {
    return m_settings->value(lastArchiveKey).toString();
}

void AppPreferences::setLastArchive(const QString& path) {
    store(lastArchiveKey, path);
}

QDateTime AppPreferences::lastAutoCheckDate() const {
    const QVariant stored = m_settings->value(lastAutoCheckDateKey);
    return stored.metaType() == QMetaType::fromType<QDateTime>() ? stored.toDateTime() : QDateTime();
}

void AppPreferences::setLastAutoCheckDate(const QDateTime& date) {
    store(lastAutoCheckDateKey, date);
}

void AppPreferences::resetDialogs() {
    for (const QString& key : suppressionKeys)
        m_settings->remove(key);
    m_settings->sync();
}

QCoro::Task<bool> AppPreferences::confirmUnlessSuppressed(ConfirmationAlert& alert,
                                                          Confirmation confirmation) {
    if (readBool(confirmation.suppressionKey, false))
        co_return true;

    ConfirmationAlert::Request request;
    request.title = qtTrId(confirmation.titleKey.toUtf8().constData());
    if (confirmation.messageKey) {
        request.message = qtTrId(confirmation.messageKey->toUtf8().constData());
        if (confirmation.messageArgument)
            request.message = request.message->arg(*confirmation.messageArgument);
    }
    request.confirmButton = qtTrId(confirmation.confirmButtonKey.toUtf8().constData());
    request.cancelButton = qtTrId(confirmation.cancelButtonKey.toUtf8().constData());
    request.suppressionCheckBox = qtTrId("confirm.dontAsk");

    QPointer<AppPreferences> self(this);
    const ConfirmationAlert::Answer answer = co_await alert.askConfirmation(std::move(request));
    // The preferences may be gone by the time the user answers; the answer still counts.
    if (self && answer.confirmed && answer.suppressChecked)
        store(confirmation.suppressionKey, true);
    co_return answer.confirmed;
}
