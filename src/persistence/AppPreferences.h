#pragma once

#include "engine/ArchiveAction.h"
#include "engine/ArchiveDestination.h"
#include "engine/ArchiveFormat.h"

#include <QCoroTask>
#include <QDateTime>
#include <QObject>
#include <QSettings>
#include <QString>

#include <optional>

class ConfirmationAlert;

// The user's options, kept in the settings store and written through on every assignment.
class AppPreferences final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool autoCheckForUpdates READ autoCheckForUpdates WRITE setAutoCheckForUpdates NOTIFY
                   autoCheckForUpdatesChanged)
    Q_PROPERTY(ArchiveDestination destination READ destination WRITE setDestination NOTIFY destinationChanged)
    Q_PROPERTY(QString archiveFolderPath READ archiveFolderPath WRITE setArchiveFolderPath NOTIFY
                   archiveFolderPathChanged)
    Q_PROPERTY(
        ArchiveAction selectedAction READ selectedAction WRITE setSelectedAction NOTIFY selectedActionChanged)
    Q_PROPERTY(bool promptForName READ promptForName WRITE setPromptForName NOTIFY promptForNameChanged)
    Q_PROPERTY(bool individualArchives READ individualArchives WRITE setIndividualArchives NOTIFY
                   individualArchivesChanged)
    Q_PROPERTY(bool skipAlreadyCompressed READ skipAlreadyCompressed WRITE setSkipAlreadyCompressed NOTIFY
                   skipAlreadyCompressedChanged)
    Q_PROPERTY(
        bool omitFinderFiles READ omitFinderFiles WRITE setOmitFinderFiles NOTIFY omitFinderFilesChanged)
    Q_PROPERTY(
        bool omitMacMetadata READ omitMacMetadata WRITE setOmitMacMetadata NOTIFY omitMacMetadataChanged)
    Q_PROPERTY(bool trashOriginals READ trashOriginals WRITE setTrashOriginals NOTIFY trashOriginalsChanged)

public:
    // Runs the start-up steps over the given store (not owned; it must outlive this object).
    explicit AppPreferences(QSettings* settings, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(AppPreferences)

    bool autoCheckForUpdates() const { return m_autoCheckForUpdates; }
    void setAutoCheckForUpdates(bool value);
    ArchiveDestination destination() const { return m_destination; }
    void setDestination(ArchiveDestination value);
    QString archiveFolderPath() const { return m_archiveFolderPath; }
    void setArchiveFolderPath(const QString& value);
    ArchiveAction selectedAction() const { return m_selectedAction; }
    void setSelectedAction(ArchiveAction value);
    bool promptForName() const { return m_promptForName; }
    void setPromptForName(bool value);
    bool individualArchives() const { return m_individualArchives; }
    void setIndividualArchives(bool value);
    bool skipAlreadyCompressed() const { return m_skipAlreadyCompressed; }
    void setSkipAlreadyCompressed(bool value);
    bool omitFinderFiles() const { return m_omitFinderFiles; }
    void setOmitFinderFiles(bool value);
    bool omitMacMetadata() const { return m_omitMacMetadata; }
    void setOmitMacMetadata(bool value);
    bool trashOriginals() const { return m_trashOriginals; }
    void setTrashOriginals(bool value);

    // The format remembered for an action; reads the store on every call.
    ArchiveFormat actionFormat(ArchiveAction action) const;
    // Remembers a format for an action, then emits actionFormatsChanged().
    void setActionFormat(ArchiveFormat format, ArchiveAction action);

    // The newest archive made, as the path it was written to; empty while none was recorded.
    QString lastArchive() const;
    void setLastArchive(const QString& path);
    // When the update check last had an answer from the server; invalid while it never had one.
    QDateTime lastAutoCheckDate() const;
    void setLastAutoCheckDate(const QDateTime& date);

    // Forgets every "don't ask again" choice.
    void resetDialogs();

    // A question the user may silence for good. The texts are localisation keys.
    struct Confirmation {
        QString titleKey;
        std::optional<QString> messageKey;
        QString confirmButtonKey;
        QString suppressionKey; // one of the "BWSuppress…" keys
        QString cancelButtonKey = QStringLiteral("confirm.cancel");
        // Fills the message's %1, when there is one.
        std::optional<QString> messageArgument = {};
    };
    // Asks unless the user chose never to be asked again; true means go ahead (the first button).
    QCoro::Task<bool> confirmUnlessSuppressed(ConfirmationAlert& alert, Confirmation confirmation);

signals:
    void autoCheckForUpdatesChanged();
    void destinationChanged();
    void archiveFolderPathChanged();
    void selectedActionChanged();
    void promptForNameChanged();
    void individualArchivesChanged();
    void skipAlreadyCompressedChanged();
    void omitFinderFilesChanged();
    void omitMacMetadataChanged();
    void trashOriginalsChanged();
    void actionFormatsChanged();

private:
    bool readBool(const QString& key, bool fallback) const;
    void store(const QString& key, const QVariant& value);
    template <typename Value, typename Stored>
    void assign(Value& member, const Value& value, const QString& key, const Stored& stored,
                void (AppPreferences::*changed)());
    QList<qint64> storedActionFormats() const;

    QSettings* m_settings;
    bool m_autoCheckForUpdates = true;
    ArchiveDestination m_destination = ArchiveDestination::sameFolder;
    QString m_archiveFolderPath;
    ArchiveAction m_selectedAction = ArchiveAction::compress;
    bool m_promptForName = false;
    bool m_individualArchives = false;
    bool m_skipAlreadyCompressed = false;
    bool m_omitFinderFiles = false;
    bool m_omitMacMetadata = false;
    bool m_trashOriginals = false;
};
