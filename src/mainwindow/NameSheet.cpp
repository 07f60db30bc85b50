#include "NameSheet.h"

#include "engine/FormatDescription.h"
#include "persistence/AppPreferences.h"
#include "workflow/NamePrompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NameSheet::NameSheet(NamePrompt& prompt, AppPreferences& preferences, QWidget* parent)
    : PromptSheet(360, parent)
    , m_prompt(prompt)
    , m_preferences(preferences)
    , m_field(new QLineEdit(this)) {
    setObjectName(QStringLiteral("nameSheet"));
    m_field->setObjectName(QStringLiteral("name.field"));
    m_field->setPlaceholderText(qtTrId("name.field"));
    m_field->setAccessibleName(qtTrId("name.field"));
    content()->addWidget(m_field);
    connect(m_field, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_prompt.setProposedName(text); });
    connect(&m_prompt, &NamePrompt::proposedNameChanged, this, [this] {
        if (m_field->text() != m_prompt.proposedName())
            m_field->setText(m_prompt.proposedName());
    });

    auto* cancel = new QPushButton(qtTrId("confirm.cancel"), this);
    cancel->setObjectName(QStringLiteral("confirm.cancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { m_prompt.cancel(); });
    auto* confirm = new QPushButton(qtTrId("name.ok"), this);
    confirm->setObjectName(QStringLiteral("name.ok"));
    connect(confirm, &QPushButton::clicked, this, [this] { m_prompt.submit(); });
    addButtons(cancel, confirm);

    connect(&m_prompt, &NamePrompt::isShownChanged, this, [this] { setPresented(m_prompt.isShown()); });
    setPresented(m_prompt.isShown());
}

void NameSheet::refresh() {
    const ArchiveFormat format = m_preferences.actionFormat(m_preferences.selectedAction());
    const QString title = qtTrId(formatDescription(format).nameTitleKey);
    titleLabel()->setText(title);
    setWindowTitle(title);
    if (m_field->text() != m_prompt.proposedName())
        m_field->setText(m_prompt.proposedName());
    m_field->selectAll();
    m_field->setFocus();
}
