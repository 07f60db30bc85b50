#include "AboutWindow.h"

#include "AboutView.h"
#include "widgets/WindowPresentation.h"

#include <QKeyEvent>
#include <QVBoxLayout>

AboutWindow::AboutWindow(DesktopServices& desktop, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(qtTrId("about.title"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new AboutView(desktop, AppInfo::bundled(), this));
    setFixedSize(AboutView::contentWidth, AboutView::contentHeight);
}

AboutWindow* AboutWindow::showAboutWindow(DesktopServices& desktop, std::unique_ptr<AboutWindow>* kept) {
    return WindowPresentation::showKept(kept, [&] { return new AboutWindow(desktop); });
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // Ctrl+W alone (Shift makes it another shortcut); closing is immediate, nothing to confirm.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_W && modifiers.testFlag(Qt::ControlModifier) &&
        !modifiers.testFlag(Qt::ShiftModifier)) {
        close();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
