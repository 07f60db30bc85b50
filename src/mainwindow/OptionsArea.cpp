#include "OptionsArea.h"

#include "persistence/AppPreferences.h"
#include "widgets/OptionSwitch.h"
#include "widgets/ReturnActivation.h"
#include "workflow/DesktopServices.h"
#include "workflow/DestinationResolver.h"
#include "workflow/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

AppPreferences::Confirmation confirmation(OptionsArea::Option option) {
    switch (option) {
    case OptionsArea::Option::omitFinderFiles:
        return {.titleKey = QStringLiteral("confirm.omitFinder.title"),
                .messageKey = QStringLiteral("confirm.omitFinder.body"),
                .confirmButtonKey = QStringLiteral("confirm.omit"),
                .suppressionKey = QStringLiteral("BWSuppressOmitFinder")};
    case OptionsArea::Option::omitMacMetadata:
        return {.titleKey = QStringLiteral("confirm.omitMac.title"),
                .messageKey = QStringLiteral("confirm.omitMac.body"),
                .confirmButtonKey = QStringLiteral("confirm.omit"),
                .suppressionKey = QStringLiteral("BWSuppressOmitMac")};
    case OptionsArea::Option::trashOriginals:
        return {.titleKey = QStringLiteral("confirm.trash.title"),
                .messageKey = QStringLiteral("confirm.trash.body"),
                .confirmButtonKey = QStringLiteral("confirm.set"),
                .suppressionKey = QStringLiteral("BWSuppressTrash")};
    }
    return {};
}

constexpr int switchSpacing = 6;
constexpr int archiveSpacing = 8;

} // namespace

OptionsArea::OptionsArea(AppPreferences& preferences, Dialogs& dialogs, DesktopServices& desktop,
                         QWidget* parent)
    : QWidget(parent)
    , m_preferences(preferences)
    , m_dialogs(dialogs)
    , m_desktop(desktop)
    , m_layout(new QVBoxLayout(this)) {
    setObjectName(QStringLiteral("optionsArea"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_omitFinder = makeSwitch(Option::omitFinderFiles, qtTrId("general.omitFinder"),
                              QStringLiteral("general.omitFinder"));
    m_omitMac =
        makeSwitch(Option::omitMacMetadata, qtTrId("general.omitMac"), QStringLiteral("general.omitMac"));
    m_archiveBlock = buildArchiveBlock();
    m_layout->addWidget(m_archiveBlock);
    m_trashOriginals = makeSwitch(Option::trashOriginals, qtTrId("general.trashOriginals"),
                                  QStringLiteral("general.trashOriginals"));

    connect(&m_preferences, &AppPreferences::omitFinderFilesChanged, this, &OptionsArea::refreshSwitches);
    connect(&m_preferences, &AppPreferences::omitMacMetadataChanged, this, &OptionsArea::refreshSwitches);
    connect(&m_preferences, &AppPreferences::trashOriginalsChanged, this, &OptionsArea::refreshSwitches);
    connect(&m_preferences, &AppPreferences::selectedActionChanged, this, &OptionsArea::refreshAction);
    connect(&m_preferences, &AppPreferences::archiveFolderPathChanged, this, &OptionsArea::refreshFolder);
    refreshSwitches();
    refreshFolder();
    refreshAction();
}

OptionSwitch* OptionsArea::makeSwitch(Option option, const QString& title, const QString& name) {
    auto* toggle = new OptionSwitch(title, this);
    toggle->setObjectName(name);
    connect(toggle, &OptionSwitch::turnRequested, this, [this, option](bool on) { turn(option, on); });
    m_layout->addWidget(toggle, 0, Qt::AlignLeft);
    return toggle;
}

QWidget* OptionsArea::buildArchiveBlock() {
    auto* block = new QWidget(this);
    block->setObjectName(QStringLiteral("archiveBlock"));
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(archiveSpacing);
    auto* location = new QLabel(qtTrId("archive.location"), block);
    location->setObjectName(QStringLiteral("archive.location"));
    layout->addWidget(location);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(20, 0, 0, 0);
    row->setSpacing(8);
    m_folderField = new QLineEdit(block);
    m_folderField->setObjectName(QStringLiteral("archive.folder"));
    m_folderField->setAccessibleName(qtTrId("archive.location"));
    m_folderField->setClearButtonEnabled(false);
    connect(m_folderField, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_preferences.setArchiveFolderPath(text); });
    row->addWidget(m_folderField, 1);
    auto* open = new QPushButton(qtTrId("archive.open"), block);
    open->setObjectName(QStringLiteral("archive.open"));
    open->setAutoDefault(false);
    ReturnActivation::install(open);
    connect(open, &QPushButton::clicked, this, &OptionsArea::openArchiveFolder);
    row->addWidget(open);
    auto* change = new QPushButton(qtTrId("archive.change"), block);
    change->setObjectName(QStringLiteral("archive.change"));
    change->setAutoDefault(false);
    ReturnActivation::install(change);
    connect(change, &QPushButton::clicked, this, [this] { changeArchiveFolder(); });
    row->addWidget(change);
    layout->addLayout(row);
    return block;
}

bool OptionsArea::value(Option option) const {
    switch (option) {
    case Option::omitFinderFiles:
        return m_preferences.omitFinderFiles();
    case Option::omitMacMetadata:
        return m_preferences.omitMacMetadata();
    case Option::trashOriginals:
        return m_preferences.trashOriginals();
    }
    return false;
}

void OptionsArea::assign(AppPreferences& preferences, Option option, bool on) {
    switch (option) {
    case Option::omitFinderFiles:
        preferences.setOmitFinderFiles(on);
        break;
    case Option::omitMacMetadata:
        preferences.setOmitMacMetadata(on);
        break;
    case Option::trashOriginals:
        preferences.setTrashOriginals(on);
        break;
    }
}

QCoro::Task<> OptionsArea::turn(Option option, bool on) {
    if (!on) {
        assign(m_preferences, option, false);
        refreshSwitches();
        co_return;
    }
    if (value(option) || m_asking)
        co_return;
    m_asking = true;
    QPointer<OptionsArea> guard(this);
    AppPreferences& preferences = m_preferences;
    const bool confirmed = co_await preferences.confirmUnlessSuppressed(m_dialogs, confirmation(option));
    // The answer counts even if the window went away meanwhile.
    if (confirmed)
        assign(preferences, option, true);
    if (!guard)
        co_return;
    m_asking = false;
    // A refused switch never showed "on"; this only repaints the settled state.
    refreshSwitches();
}

void OptionsArea::refreshSwitches() {
    m_omitFinder->setChecked(m_preferences.omitFinderFiles());
    m_omitMac->setChecked(m_preferences.omitMacMetadata());
    m_trashOriginals->setChecked(m_preferences.trashOriginals());
}

void OptionsArea::refreshFolder() {
    const QString path = m_preferences.archiveFolderPath();
    // Rewriting the text the user is typing would move the cursor to the end.
    if (m_folderField->text() != path)
        m_folderField->setText(path);
}

void OptionsArea::refreshAction() {
    const bool archive = m_preferences.selectedAction() == ArchiveAction::archive;
    m_omitFinder->setVisible(!archive);
    m_omitMac->setVisible(!archive);
    m_archiveBlock->setVisible(archive);
    m_layout->setSpacing(archive ? archiveSpacing : switchSpacing);
    if (archive && !m_archiveShown && isVisible())
        scheduleFocusClearing();
    m_archiveShown = archive;
}

void OptionsArea::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_archiveShown)
        scheduleFocusClearing();
}

void OptionsArea::clearFolderFocus() {
    if (m_folderField->hasFocus())
        m_folderField->clearFocus();
    m_folderField->deselect();
}

void OptionsArea::scheduleFocusClearing() {
    // Hiding the switches can hand the keyboard focus to the folder field, with its text selected;
    // take it away once the layout has settled, and once more after any focus change that follows.
    QTimer::singleShot(0, this, [this] {
        clearFolderFocus();
        QTimer::singleShot(0, this, &OptionsArea::clearFolderFocus);
    });
}

void OptionsArea::openArchiveFolder() {
    const QString path = DestinationResolver::expandedFolderPath(m_preferences.archiveFolderPath());
    if (path.trimmed().isEmpty())
        return;
    // A relative path would be made relative to wherever the process happened to start.
    if (QDir::isAbsolutePath(path) && !QFileInfo::exists(path))
        QDir().mkpath(path);
    m_desktop.openUrl(QUrl::fromLocalFile(path));
}

QCoro::Task<> OptionsArea::changeArchiveFolder() {
    AppPreferences& preferences = m_preferences;
    const QUrl folder = co_await m_dialogs.chooseFolder(qtTrId("archive.change"));
    if (folder.isEmpty() || !folder.isLocalFile())
        co_return;
    preferences.setArchiveFolderPath(folder.toLocalFile());
}
