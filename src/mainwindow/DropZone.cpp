#include "DropZone.h"

#include "DropSymbol.h"
#include "DropView.h"
#include "widgets/Appearance.h"
#include "widgets/ReturnActivation.h"
#include "workflow/MainModel.h"
#include "workflow/ProgressPresenter.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

DropZone::DropZone(MainModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_dropView(new DropView(this)) {
    setObjectName(QStringLiteral("dropZone"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_dropView);

    m_dropView->setObjectName(QStringLiteral("dropView"));
    m_dropView->setAccessibleName(qtTrId("main.drop"));
    m_dropView->setAccessibleDescription(qtTrId("a11y.dropView"));
    auto* content = new QVBoxLayout(m_dropView);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(0);
    content->addWidget(buildPrompt());
    content->addWidget(buildProgress());
    content->addStretch(1);

    m_dropView->setOnTarget([this](bool targeted) { m_model.setTargeted(targeted); });
    m_dropView->setOnDrop([this](const QList<QUrl>& urls) { m_model.process(urls); });
    m_dropView->setOnActivate([this] { m_model.addItems(); });

    connect(&m_model, &MainModel::isBusyChanged, this, &DropZone::refresh);
    connect(&m_model.progress(), &ProgressPresenter::showProgressChanged, this, &DropZone::refresh);
    connect(&m_model, &MainModel::progressTextChanged, this, &DropZone::refresh);
    connect(&m_model.progress(), &ProgressPresenter::figuresChanged, this, &DropZone::refresh);
    connect(&m_model, &MainModel::isTargetedChanged, this, &DropZone::refresh);
    refresh();
}

void DropZone::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && m_dropText && m_progressText) {
        Appearance::useSecondaryText(m_dropText);
        Appearance::useSecondaryText(m_progressText);
        Appearance::useSecondaryText(m_progressAmount);
    }
    QWidget::changeEvent(event);
}

bool DropZone::showsProgress(const MainModel& model) {
    return model.isBusy() && model.progress().showProgress() && !model.progressText().isEmpty();
}

QWidget* DropZone::buildPrompt() {
    m_prompt = new QWidget(m_dropView);
    m_prompt->setObjectName(QStringLiteral("dropPrompt"));
    auto* layout = new QVBoxLayout(m_prompt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    m_symbol = new DropSymbol(m_prompt);
    m_symbol->setObjectName(QStringLiteral("dropSymbol"));
    layout->addWidget(m_symbol, 0, Qt::AlignHCenter);
    m_dropText = new QLabel(qtTrId("main.drop"), m_prompt);
    m_dropText->setObjectName(QStringLiteral("dropText"));
    m_dropText->setFont(Appearance::font(m_dropText->font(), Appearance::title2Size));
    m_dropText->setAlignment(Qt::AlignCenter);
    m_dropText->setWordWrap(true);
    Appearance::useSecondaryText(m_dropText);
    layout->addWidget(m_dropText);
    return m_prompt;
}

QWidget* DropZone::buildProgress() {
    m_progress = new QWidget(m_dropView);
    m_progress->setObjectName(QStringLiteral("progressDisplay"));
    auto* layout = new QVBoxLayout(m_progress);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);
    m_progressBar = new QProgressBar(m_progress);
    m_progressBar->setObjectName(QStringLiteral("progressIndicator"));
    m_progressBar->setRange(0, 0);
    m_progressBar->setTextVisible(false);
    m_progressBar->setFixedWidth(260);
    layout->addWidget(m_progressBar, 0, Qt::AlignHCenter);
    m_progressText = new QLabel(m_progress);
    m_progressText->setObjectName(QStringLiteral("progressText"));
    m_progressText->setAlignment(Qt::AlignCenter);
    m_progressText->setWordWrap(true);
    m_progressText->setTextFormat(Qt::PlainText); // it shows file names
    Appearance::useSecondaryText(m_progressText);
    layout->addWidget(m_progressText);
    m_progressAmount = new QLabel(m_progress);
    m_progressAmount->setObjectName(QStringLiteral("progressAmount"));
    m_progressAmount->setAlignment(Qt::AlignCenter);
    m_progressAmount->setFont(Appearance::font(m_progressAmount->font(), Appearance::captionSize + 1));
    Appearance::useSecondaryText(m_progressAmount);
    layout->addWidget(m_progressAmount);
    m_stopButton = new QPushButton(qtTrId("progress.stop"), m_progress);
    m_stopButton->setObjectName(QStringLiteral("progress.stop"));
    m_stopButton->setAutoDefault(false);
    ReturnActivation::install(m_stopButton);
    connect(m_stopButton, &QPushButton::clicked, this, [this] { m_model.stop(); });
    layout->addWidget(m_stopButton, 0, Qt::AlignHCenter);
    return m_progress;
}

void DropZone::refresh() {
    m_dropView->setDropEnabled(!m_model.isBusy());
    m_symbol->setTargeted(m_model.isTargeted());
    const bool progress = showsProgress(m_model);
    m_progressText->setText(m_model.progressText());
    // Without a figure the bar runs back and forth, as it does before the first sample.
    const int percent = m_model.progress().percent();
    m_progressBar->setRange(0, percent < 0 ? 0 : 100);
    m_progressBar->setValue(std::max(percent, 0));
    m_progressAmount->setText(m_model.progress().amount());
    m_progressAmount->setVisible(!m_model.progress().amount().isEmpty());
    m_prompt->setVisible(!progress);
    m_progress->setVisible(progress);
}
