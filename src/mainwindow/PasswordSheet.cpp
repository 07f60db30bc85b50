#include "PasswordSheet.h"

#include "engine/FormatDescription.h"
#include "persistence/AppPreferences.h"
#include "widgets/Appearance.h"
#include "workflow/PasswordPrompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasswordSheet::PasswordSheet(PasswordPrompt& prompt, AppPreferences& preferences, QWidget* parent)
    : PromptSheet(380, parent)
    , m_prompt(prompt)
    , m_preferences(preferences) {
    setObjectName(QStringLiteral("passwordSheet"));
    m_password = addPasswordField(QStringLiteral("password.enter"), qtTrId("password.enter"));
    m_confirmation = addPasswordField(QStringLiteral("password.confirm"), qtTrId("password.confirm"));
    connect(m_password, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_prompt.setPassword(text); });
    connect(m_confirmation, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_prompt.setConfirmPassword(text); });

    m_error = new QLabel(this);
    m_error->setObjectName(QStringLiteral("passwordError"));
    m_error->setWordWrap(true);
    m_error->setFont(Appearance::font(m_error->font(), Appearance::captionSize + 1));
    QPalette colors = m_error->palette();
    colors.setColor(QPalette::WindowText, Appearance::errorText(colors));
    m_error->setPalette(colors);
    content()->addWidget(m_error);

    auto* cancel = new QPushButton(qtTrId("confirm.cancel"), this);
    cancel->setObjectName(QStringLiteral("confirm.cancel"));
    connect(cancel, &QPushButton::clicked, this, [this] { m_prompt.cancel(); });
    auto* confirm = new QPushButton(qtTrId("password.create"), this);
    confirm->setObjectName(QStringLiteral("password.create"));
    connect(confirm, &QPushButton::clicked, this, [this] { m_prompt.submit(); });
    addButtons(cancel, confirm);

    connect(&m_prompt, &PasswordPrompt::passwordChanged, this, &PasswordSheet::refreshFields);
    connect(&m_prompt, &PasswordPrompt::confirmPasswordChanged, this, &PasswordSheet::refreshFields);
    connect(&m_prompt, &PasswordPrompt::errorChanged, this, &PasswordSheet::refreshFields);
    connect(&m_prompt, &PasswordPrompt::isShownChanged, this, [this] { setPresented(m_prompt.isShown()); });
    refreshFields();
    setPresented(m_prompt.isShown());
}

QLineEdit* PasswordSheet::addPasswordField(const QString& name, const QString& placeholder) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setPlaceholderText(placeholder);
    field->setAccessibleName(placeholder);
    content()->addWidget(field);
    return field;
}

void PasswordSheet::refreshFields() {
    if (m_password->text() != m_prompt.password())
        m_password->setText(m_prompt.password());
    if (m_confirmation->text() != m_prompt.confirmPassword())
        m_confirmation->setText(m_prompt.confirmPassword());
    m_error->setText(m_prompt.error());
    m_error->setVisible(!m_prompt.error().isEmpty());
}

void PasswordSheet::refresh() {
    // Asked only for a password format, which names its own prompt.
    const char* titleKey =
        formatDescription(m_preferences.actionFormat(m_preferences.selectedAction())).passwordTitleKey;
    const QString title = qtTrId(titleKey ? titleKey : "password.title.zip");
    titleLabel()->setText(title);
    setWindowTitle(title);
    refreshFields();
    m_password->setFocus();
}
