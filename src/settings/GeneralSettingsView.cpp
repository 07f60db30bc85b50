#include "GeneralSettingsView.h"

#include "FormSection.h"
#include "persistence/AppPreferences.h"
#include "widgets/OptionSwitch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* destinationKey(ArchiveDestination destination) {
    switch (destination) {
    case ArchiveDestination::sameFolder:
        return QT_TRID_NOOP("general.destination.same");
    case ArchiveDestination::ask:
        return QT_TRID_NOOP("general.destination.ask");
    case ArchiveDestination::desktop:
        return QT_TRID_NOOP("general.destination.desktop");
    case ArchiveDestination::archiveFolder:
        return QT_TRID_NOOP("general.destination.archiveFolder");
    }
    return "";
}

} // namespace

GeneralSettingsView::GeneralSettingsView(AppPreferences& preferences, QWidget* parent)
    : QWidget(parent)
    , m_preferences(preferences) {
    setObjectName(QStringLiteral("generalSettings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);

    auto* destination = new FormSection(qtTrId("general.section.destination"), this);
    auto* destinationRow = new QWidget(destination);
    auto* destinationLayout = new QHBoxLayout(destinationRow);
    auto* destinationLabel = new QLabel(qtTrId("general.destination"), destinationRow);
    destinationLayout->addWidget(destinationLabel, 1);
    m_destination = new QComboBox(destinationRow);
    m_destination->setObjectName(QStringLiteral("general.destination"));
    m_destination->setAccessibleName(qtTrId("general.destination"));
    destinationLabel->setBuddy(m_destination);
    // A fixed order, the one people read the choices in, not the stored one.
    for (const ArchiveDestination value : {ArchiveDestination::sameFolder, ArchiveDestination::ask,
                                           ArchiveDestination::desktop, ArchiveDestination::archiveFolder})
        m_destination->addItem(qtTrId(destinationKey(value)), QVariant::fromValue(static_cast<int>(value)));
    destinationLayout->addWidget(m_destination);
    destination->addRow(destinationRow);
    layout->addWidget(destination);

    auto* options = new FormSection(qtTrId("general.section.options"), this);
    // Rows of two lines of text get more room than the one-line destination row.
    constexpr int optionPadding = 4;
    m_promptForName =
        options->addOptionRow(QStringLiteral("general.promptForName"), qtTrId("general.promptForName"),
                              qtTrId("general.promptForName.subtitle"), {.padding = optionPadding});
    m_skipArchives =
        options->addOptionRow(QStringLiteral("general.skipArchives"), qtTrId("general.skipArchives"),
                              qtTrId("general.skipArchives.subtitle"), {.padding = optionPadding});
    m_individual = options->addOptionRow(QStringLiteral("general.individual"), qtTrId("general.individual"),
                                         qtTrId("general.individual.subtitle"), {.padding = optionPadding});
    m_strongZip = options->addOptionRow(QStringLiteral("general.strongZip"), qtTrId("general.strongZip"),
                                        qtTrId("general.strongZip.subtitle"), {.padding = optionPadding});
    layout->addWidget(options);

    auto* reset = new QPushButton(qtTrId("general.resetDialogs"), this);
    reset->setObjectName(QStringLiteral("general.resetDialogs"));
    reset->setAutoDefault(false);
    layout->addWidget(reset, 0, Qt::AlignLeft);

    connect(m_destination, &QComboBox::activated, this, [this](int index) {
        m_preferences.setDestination(static_cast<ArchiveDestination>(m_destination->itemData(index).toInt()));
    });
    connect(m_promptForName, &OptionSwitch::turnRequested, &m_preferences, &AppPreferences::setPromptForName);
    connect(m_skipArchives, &OptionSwitch::turnRequested, &m_preferences,
            &AppPreferences::setSkipAlreadyCompressed);
    connect(m_individual, &OptionSwitch::turnRequested, &m_preferences,
            &AppPreferences::setIndividualArchives);
    connect(m_strongZip, &OptionSwitch::turnRequested, &m_preferences,
            &AppPreferences::setStrongZipEncryption);
    connect(reset, &QPushButton::clicked, &m_preferences, &AppPreferences::resetDialogs);
    for (auto changed :
         {&AppPreferences::destinationChanged, &AppPreferences::promptForNameChanged,
          &AppPreferences::skipAlreadyCompressedChanged, &AppPreferences::individualArchivesChanged,
          &AppPreferences::strongZipEncryptionChanged})
        connect(&m_preferences, changed, this, &GeneralSettingsView::refresh);
    refresh();
}

void GeneralSettingsView::refresh() {
    m_destination->setCurrentIndex(m_destination->findData(static_cast<int>(m_preferences.destination())));
    m_promptForName->setChecked(m_preferences.promptForName());
    m_skipArchives->setChecked(m_preferences.skipAlreadyCompressed());
    m_individual->setChecked(m_preferences.individualArchives());
    m_strongZip->setChecked(m_preferences.strongZipEncryption());
}
