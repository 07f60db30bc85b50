#include "PromptSheet.h"

#include "Appearance.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PromptSheet::PromptSheet(int width, QWidget* parent)
    // A dialog of the main window with a title and a close button only, and a fixed size (below):
    // window managers then offer no maximise, and most no minimise either.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_title(new QLabel(this))
    , m_content(new QVBoxLayout(this)) {
    setWindowModality(Qt::WindowModal);
    m_content->setContentsMargins(20, 20, 20, 20);
    m_content->setSpacing(12);
    m_content->setSizeConstraint(QLayout::SetFixedSize);
    m_title->setObjectName(QStringLiteral("sheetTitle"));
    m_title->setFont(Appearance::font(m_title->font(), Appearance::bodySize, QFont::Bold));
    m_title->setWordWrap(true);
    // The title's fixed width sets the sheet's width; its height follows the content.
    m_title->setFixedWidth(width - 40);
    m_content->addWidget(m_title);
}

void PromptSheet::addButtons(QPushButton* cancel, QPushButton* confirm) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch(1);
    cancel->setAutoDefault(false);
    m_cancel = cancel;
    row->addWidget(cancel);
    confirm->setDefault(true);
    row->addWidget(confirm);
    m_content->addLayout(row);
}

void PromptSheet::setPresented(bool presented) {
    if (presented) {
        refresh();
        if (!isVisible())
            open();
    } else if (isVisible()) {
        done(QDialog::Accepted);
    }
}

void PromptSheet::reject() {
    // Answered like the button, so the model closes the sheet; never closed behind its back.
    if (m_cancel && m_cancel->isEnabled())
        m_cancel->click();
}
