#include "LogWindow.h"

#include "LogView.h"
#include "widgets/WindowPresentation.h"

#include <QVBoxLayout>

LogWindow::LogWindow(ArchiveLogStore& store, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint)
    , m_view(new LogView(store, desktop, this)) {
    setObjectName(QStringLiteral("logWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(qtTrId("log.title"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setMinimumSize(minimumWidth, minimumHeight);
    resize(contentWidth, contentHeight);
}

LogWindow* LogWindow::showLogWindow(ArchiveLogStore& store, DesktopServices& desktop,
                                    std::unique_ptr<LogWindow>* kept) {
    return WindowPresentation::showKept(kept, [&] { return new LogWindow(store, desktop); });
}
