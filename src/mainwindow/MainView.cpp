#include "MainView.h"

#include "ActionSegmentButton.h"
#include "ActionSegmentedControl.h"
#include "BottomBar.h"
#include "DropZone.h"
#include "FormatRow.h"
#include "NameSheet.h"
#include "OptionsArea.h"
#include "PasswordSheet.h"
#include "ResultBanner.h"
#include "persistence/AppPreferences.h"
#include "widgets/Appearance.h"
#include "widgets/LineLimitedLabel.h"
#include "workflow/MainModel.h"

#include <QEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace {
constexpr int descriptionHeight = 56;
} // namespace

MainView::MainView(MainModel& model, AppPreferences& preferences, Dialogs& dialogs, DesktopServices& desktop,
                   QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_preferences(preferences) {
    setObjectName(QStringLiteral("mainView"));
    setMinimumSize(520, 520);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_chooser = new ActionSegmentedControl(this);
    addPadded(layout, m_chooser, 16, 12, 16, 0);

    m_description = new LineLimitedLabel(2, this);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setFont(Appearance::font(m_description->font(), Appearance::title3Size, QFont::Bold));
    m_description->setSecondary(true);
    m_description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_description->setFixedHeight(descriptionHeight);
    m_description->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addPadded(layout, m_description, 16, 12, 16, 0);

    m_dropZone = new DropZone(model, this);
    addPadded(layout, m_dropZone, 8, 8, 8, 0, 1);

    m_options = new OptionsArea(preferences, dialogs, desktop, this);
    addPadded(layout, m_options, 16, 4, 16, 0);

    m_formatRow = new FormatRow(model, preferences, this);
    addPadded(layout, m_formatRow, 16, 8, 16, 0);

    m_divider = new QFrame(this);
    m_divider->setObjectName(QStringLiteral("divider"));
    m_divider->setFrameShape(QFrame::HLine);
    m_divider->setFrameShadow(QFrame::Plain);
    m_divider->setFixedHeight(1);
    refreshDividerColor();
    addPadded(layout, m_divider, 0, 10, 0, 0);

    m_bottomBar = new BottomBar(model, this);
    addPadded(layout, m_bottomBar, 10, 8, 10, 8);

    m_banner = new ResultBanner(model, desktop, this);
    m_banner->setDropTarget(m_dropZone->dropView());
    m_nameSheet = new NameSheet(model.namePrompt(), preferences, this);
    m_passwordSheet = new PasswordSheet(model.passwordPrompt(), preferences, this);

    connect(m_bottomBar, &BottomBar::settingsRequested, this, &MainView::settingsRequested);
    connect(m_bottomBar, &BottomBar::logRequested, this, &MainView::logRequested);
    connect(m_chooser, &ActionSegmentedControl::selectionRequested, this,
            [this](ArchiveAction action) { m_preferences.setSelectedAction(action); });
    connect(&m_preferences, &AppPreferences::selectedActionChanged, this, [this] {
        m_chooser->setSelection(m_preferences.selectedAction());
        refreshDescription();
    });
    connect(&m_preferences, &AppPreferences::actionFormatsChanged, this, &MainView::refreshDescription);
    connect(&m_model, &MainModel::isBusyChanged, this, &MainView::refreshBusy);
    m_chooser->setSelection(m_preferences.selectedAction());
    refreshDescription();
    refreshBusy();
}

void MainView::addPadded(QBoxLayout* layout, QWidget* child, int left, int top, int right, int bottom,
                         int stretch) {
    auto* padding = new QVBoxLayout;
    padding->setContentsMargins(left, top, right, bottom);
    padding->setSpacing(0);
    padding->addWidget(child);
    layout->addLayout(padding, stretch);
}

void MainView::refreshDescription() {
    const ArchiveAction action = m_preferences.selectedAction();
    const QString key = descriptionKey(m_preferences.actionFormat(action), action);
    m_description->setText(qtTrId(key.toUtf8().constData()));
    // A screen reader on a segment hears what that action would do, as the line shows it once chosen.
    for (const ArchiveAction each : allArchiveActions()) {
        const QString eachKey = descriptionKey(m_preferences.actionFormat(each), each);
        m_chooser->segment(each)->setAccessibleDescription(qtTrId(eachKey.toUtf8().constData()));
    }
}

void MainView::refreshBusy() {
    m_chooser->setEnabled(!m_model.isBusy());
}

void MainView::refreshDividerColor() {
    QPalette colors = m_divider->palette();
    colors.setColor(QPalette::WindowText, Appearance::separator(palette()));
    m_divider->setPalette(colors);
}

void MainView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && m_divider)
        refreshDividerColor();
    QWidget::changeEvent(event);
}

void MainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_banner->setGeometry(rect());
}
