#include "WidgetDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoroSignal>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// Chooses files and folders together: a folder is taken by the accept button and entered by a
// double click, where a plain file dialog would always enter it.
class ItemsFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (chosen.isEmpty())
            return;
        for (const QString& path : chosen) {
            if (!QFileInfo::exists(path)) {
                // Let the dialog explain the missing name the usual way.
                QFileDialog::accept();
                return;
            }
        }
        QDialog::accept();
    }
};

// Window-modal over a parent; application-modal when Balewick shows no window to attach to.
void showModal(QDialog* dialog) {
    if (dialog->parentWidget()) {
        dialog->open();
    } else {
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
    }
}

bool isOrdinaryWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen;
}

// Names, paths and tool messages reach alerts; none of them may be read as markup.
void showAsPlainText(QMessageBox* box) {
    box->setTextFormat(Qt::PlainText);
    if (auto* informative = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel")))
        informative->setTextFormat(Qt::PlainText);
}

} // namespace

QWidget* WidgetDialogs::parentWindow() const {
    if (QWidget* active = QApplication::activeWindow(); active && isOrdinaryWindow(active))
        return active;
    if (m_mainWindow && m_mainWindow->isVisible())
        return m_mainWindow;
    return nullptr;
}

QCoro::Task<ConfirmationAlert::Answer> WidgetDialogs::askConfirmation(Request request) {
    QPointer<QMessageBox> box = new QMessageBox(parentWindow());
    box->setIcon(QMessageBox::Warning);
    box->setText(request.title);
    if (request.message)
        box->setInformativeText(*request.message);
    showAsPlainText(box);
    QPointer<QCheckBox> suppress;
    if (!request.suppressionCheckBox.isEmpty()) {
        suppress = new QCheckBox(request.suppressionCheckBox);
        box->setCheckBox(suppress);
    }
    QPushButton* confirm = box->addButton(request.confirmButton, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(request.cancelButton, QMessageBox::RejectRole);
    box->setDefaultButton(confirm);
    box->setEscapeButton(cancel);
    showModal(box);

    co_await qCoro(box.data(), &QDialog::finished);
    if (!box)
        co_return Answer{};
    const Answer answer{box->clickedButton() == confirm, suppress && suppress->isChecked()};
    box->deleteLater();
    co_return answer;
}

QCoro::Task<> WidgetDialogs::showError(QString title, QString message) {
    QPointer<QMessageBox> box = new QMessageBox(parentWindow());
    box->setIcon(QMessageBox::Warning);
    box->setText(title);
    if (!message.isEmpty())
        box->setInformativeText(message);
    showAsPlainText(box);
    QPushButton* ok = box->addButton(qtTrId("confirm.ok"), QMessageBox::AcceptRole);
    box->setDefaultButton(ok);
    box->setEscapeButton(ok);
    showModal(box);

    co_await qCoro(box.data(), &QDialog::finished);
    if (box)
        box->deleteLater();
}

QCoro::Task<QList<QUrl>> WidgetDialogs::chooseItems(QString prompt) {
    // Qt's own dialog: a desktop's native one cannot take files and folders in one selection.
    QPointer<QFileDialog> dialog = new ItemsFileDialog(parentWindow());
    dialog->setObjectName(QStringLiteral("chooseItemsDialog"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setWindowTitle(prompt);
    dialog->setLabelText(QFileDialog::Accept, prompt);
    showModal(dialog);

    const int result = co_await qCoro(dialog.data(), &QDialog::finished);
    QList<QUrl> urls;
    if (!dialog)
        co_return urls;
    if (result == QDialog::Accepted)
        urls = dialog->selectedUrls();
    dialog->deleteLater();
    co_return urls;
}

QCoro::Task<QUrl> WidgetDialogs::chooseFolder(QString prompt) {
    QPointer<QFileDialog> dialog = new QFileDialog(parentWindow());
    dialog->setObjectName(QStringLiteral("chooseFolderDialog"));
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly);
    dialog->setWindowTitle(prompt);
    dialog->setLabelText(QFileDialog::Accept, prompt);
    showModal(dialog);

    const int result = co_await qCoro(dialog.data(), &QDialog::finished);
    if (!dialog)
        co_return QUrl();
    QUrl folder;
    if (result == QDialog::Accepted && !dialog->selectedUrls().isEmpty())
        folder = dialog->selectedUrls().constFirst();
    dialog->deleteLater();
    co_return folder;
}
