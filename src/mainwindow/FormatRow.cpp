#include "FormatRow.h"

#include "persistence/AppPreferences.h"
#include "workflow/MainModel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

FormatRow::FormatRow(MainModel& model, AppPreferences& preferences, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_preferences(preferences)
    , m_picker(new QComboBox(this)) {
    setObjectName(QStringLiteral("formatRow"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    auto* label = new QLabel(qtTrId("main.format"), this);
    label->setObjectName(QStringLiteral("main.format"));
    label->setBuddy(m_picker);
    layout->addWidget(label);

    m_picker->setObjectName(QStringLiteral("formatPicker"));
    m_picker->setAccessibleName(qtTrId("main.format"));
    m_picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const ArchiveFormat format : allArchiveFormats())
        m_picker->addItem(qtTrId(titleKey(format).toUtf8().constData()), rawValue(format));
    layout->addWidget(m_picker);
    layout->addStretch(1);

    connect(m_picker, &QComboBox::activated, this, [this](int index) {
        const std::optional<ArchiveFormat> format = archiveFormatFromRaw(m_picker->itemData(index).toInt());
        if (format)
            m_preferences.setActionFormat(*format, m_preferences.selectedAction());
        refresh();
    });
    connect(&m_preferences, &AppPreferences::actionFormatsChanged, this, &FormatRow::refresh);
    connect(&m_preferences, &AppPreferences::selectedActionChanged, this, &FormatRow::refresh);
    connect(&m_model, &MainModel::isBusyChanged, this, &FormatRow::refresh);
    refresh();
}

void FormatRow::refresh() {
    const ArchiveFormat format = m_preferences.actionFormat(m_preferences.selectedAction());
    m_picker->setCurrentIndex(m_picker->findData(rawValue(format)));
    m_picker->setEnabled(!m_model.isBusy());
}
