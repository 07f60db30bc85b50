#include "UpdatesSettingsView.h"

#include "BusyIndicator.h"
#include "FormSection.h"
#include "persistence/AppPreferences.h"
#include "widgets/OptionSwitch.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

UpdatesSettingsView::UpdatesSettingsView(AppPreferences& preferences, QWidget* parent)
    : QWidget(parent)
    , m_preferences(preferences) {
    setObjectName(QStringLiteral("updatesSettings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);

    auto* automatic = new FormSection(qtTrId("updates.section.automatic"), this);
    m_automatic =
        automatic->addOptionRow(QStringLiteral("updates.automatic"), qtTrId("updates.automatic.title"),
                                qtTrId("updates.automatic.subtitle"), {.betweenTexts = 4});
    layout->addWidget(automatic);

    auto* manual = new FormSection(qtTrId("updates.section.manual"), this);
    auto* row = new QWidget(manual);
    auto* rowLayout = new QHBoxLayout(row);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(new QLabel(qtTrId("updates.manual.title"), row));
    m_status = FormSection::makeCaption(QString(), row);
    m_status->setObjectName(QStringLiteral("updates.status"));
    texts->addWidget(m_status);
    m_details = FormSection::makeCaption(QString(), row);
    m_details->setObjectName(QStringLiteral("updates.details"));
    // It names the version the network announced: shown as written, never as markup.
    m_details->setTextFormat(Qt::PlainText);
    texts->addWidget(m_details);
    rowLayout->addLayout(texts, 1);
    m_check = new QPushButton(qtTrId("updates.manual.button"), row);
    m_check->setObjectName(QStringLiteral("updates.manual.button"));
    // Its text gives way to the busy indicator; the name stays.
    m_check->setAccessibleName(qtTrId("updates.manual.button"));
    m_check->setAutoDefault(false);
    // The busy indicator takes the text's place, so the button keeps its size.
    m_check->setMinimumWidth(m_check->sizeHint().width());
    auto* buttonLayout = new QHBoxLayout(m_check);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    m_busy = new BusyIndicator(m_check);
    m_busy->hide();
    buttonLayout->addWidget(m_busy, 0, Qt::AlignCenter);
    rowLayout->addWidget(m_check, 0, Qt::AlignVCenter);
    manual->addRow(row);
    layout->addWidget(manual);

    connect(m_automatic, &OptionSwitch::turnRequested, &m_preferences,
            &AppPreferences::setAutoCheckForUpdates);
    connect(&m_preferences, &AppPreferences::autoCheckForUpdatesChanged, this,
            &UpdatesSettingsView::refreshSwitch);
    connect(m_check, &QPushButton::clicked, this, [this] {
        setChecking(true);
        m_details->clear();
        m_details->hide();
        emit checkRequested();
    });
    refreshSwitch();
    refreshLastChecked();
    m_details->hide();
}

void UpdatesSettingsView::versionCheckDidFinish(const QVariantMap& userInfo) {
    setChecking(false);
    refreshLastChecked();
    const QVariant latest = userInfo.value(QStringLiteral("latestVersion"));
    if (!userInfo.contains(QStringLiteral("error")) && latest.metaType() == QMetaType::fromType<QString>())
        m_details->setText(qtTrId("updates.newVersion").arg(latest.toString()));
    else
        m_details->clear();
    m_details->setVisible(!m_details->text().isEmpty());
}

void UpdatesSettingsView::showEvent(QShowEvent* event) {
    refreshLastChecked();
    QWidget::showEvent(event);
}

void UpdatesSettingsView::refreshLastChecked() {
    const QDateTime date = m_preferences.lastAutoCheckDate();
    if (date.isValid()) {
        const QLocale locale;
        const QDateTime local = date.toLocalTime();
        m_status->setText(qtTrId("updates.lastChecked") + QStringLiteral(": ") +
                          qtTrId("updates.lastChecked.dateTime")
                              .arg(locale.toString(local.date(), QLocale::LongFormat),
                                   locale.toString(local.time(), QLocale::ShortFormat)));
    } else {
        m_status->clear();
    }
    m_status->setVisible(!m_status->text().isEmpty());
}

void UpdatesSettingsView::setChecking(bool checking) {
    m_isChecking = checking;
    m_check->setEnabled(!checking);
    m_check->setText(checking ? QString() : qtTrId("updates.manual.button"));
    m_busy->setVisible(checking);
}

void UpdatesSettingsView::refreshSwitch() {
    m_automatic->setChecked(m_preferences.autoCheckForUpdates());
}
