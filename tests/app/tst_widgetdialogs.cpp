#include "Translations.h"
#include "app/WidgetDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoroTask>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename Dialog> Dialog* waitForModal() {
    Dialog* found = nullptr;
    (void)QTest::qWaitFor(
        [&found] {
            found = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            return found && found->isVisible();
        },
        5000);
    return found;
}

QAbstractButton* buttonWithText(const QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class WidgetDialogsTest : public QObject {
    Q_OBJECT

private:
    WidgetDialogs m_dialogs;
    QTemporaryDir m_folder;

private slots:
    void initTestCase() {
        Translations::install(*QCoreApplication::instance());
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("folder/inner")));
        QFile file(m_folder.filePath(QStringLiteral("a.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void askConfirmation_data() {
        QTest::addColumn<QString>("answer"); // a button's text, or "escape"
        QTest::addColumn<bool>("tickBox");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::addColumn<bool>("confirmed");

        QTest::newRow("confirm") << "Omit" << false << "Details." << true;
        QTest::newRow("confirm, never ask again") << "Omit" << true << "Details." << true;
        QTest::newRow("cancel") << "Cancel" << false << "Details." << false;
        QTest::newRow("cancel with the box ticked") << "Cancel" << true << "Details." << false;
        QTest::newRow("escape key") << "escape" << false << "Details." << false;
        QTest::newRow("title only") << "Omit" << false << "" << true;
    }

    void askConfirmation() {
        QFETCH(QString, answer);
        QFETCH(bool, tickBox);
        QFETCH(QString, message);
        QFETCH(bool, confirmed);

        auto task = m_dialogs.askConfirmation({QStringLiteral("Leave out Finder files?"),
                                               message.isEmpty() ? std::nullopt : std::optional(message),
                                               QStringLiteral("Omit"), QStringLiteral("Cancel"),
                                               QStringLiteral("Don't ask again")});
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Leave out Finder files?"));
        QCOMPARE(box->informativeText(), message);
        QCOMPARE(box->checkBox()->text(), QStringLiteral("Don't ask again"));
        QVERIFY(!box->checkBox()->isChecked());
        QCOMPARE(box->buttonRole(buttonWithText(box, QStringLiteral("Cancel"))), QMessageBox::RejectRole);
        QCOMPARE(box->defaultButton(), buttonWithText(box, QStringLiteral("Omit")));

        if (tickBox)
            QTest::mouseClick(box->checkBox(), Qt::LeftButton, {}, QPoint(5, box->checkBox()->height() / 2));
        QCOMPARE(box->checkBox()->isChecked(), tickBox);
        if (answer == QLatin1String("escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QTest::mouseClick(buttonWithText(box, answer), Qt::LeftButton);

        const ConfirmationAlert::Answer result = QCoro::waitFor(std::move(task));
        QCOMPARE(result.confirmed, confirmed);
        QCOMPARE(result.suppressChecked, tickBox);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void showError_hasOneOkButtonAndAttachesToActiveWindow() {
        QWidget window;
        window.show();
        window.activateWindow();
        const bool active = QTest::qWaitForWindowActive(&window);
        auto task =
            m_dialogs.showError(QStringLiteral("Couldn't compress"), QStringLiteral("The disk is full."));
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->informativeText(), QStringLiteral("The disk is full."));
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->buttons().constFirst()->text(), qtTrId("confirm.ok"));
        if (active) {
            QCOMPARE(box->parentWidget(), &window);
            QCOMPARE(box->windowModality(), Qt::WindowModal);
        }
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
        QCoro::waitFor(std::move(task));
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void chooseFolder_cancelled_givesEmptyUrl() {
        auto task = m_dialogs.chooseFolder(QStringLiteral("Choose"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        dialog->reject();
        QCOMPARE(QCoro::waitFor(std::move(task)), QUrl());
    }

    void chooseItems_data() {
        QTest::addColumn<QString>("typed"); // empty: the panel is cancelled
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a file and a folder") << "\"a.txt\" \"folder\"" << QStringList{"a.txt", "folder"};
        QTest::newRow("one folder is chosen, not entered") << "folder" << QStringList{"folder"};
        QTest::newRow("one file") << "a.txt" << QStringList{"a.txt"};
        QTest::newRow("cancelled") << "" << QStringList{};
    }

    void chooseItems() {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);

        auto task = m_dialogs.chooseItems(QStringLiteral("Add"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Add"));
        dialog->setDirectory(m_folder.path());
        if (typed.isEmpty()) {
            // Accepting without a choice must not take the open folder itself.
            QMetaObject::invokeMethod(dialog, "accept");
            QVERIFY(dialog->isVisible());
            dialog->reject();
        } else {
            auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
            nameField->setText(typed);
            QTest::keyClick(nameField, Qt::Key_Return);
        }
        QList<QUrl> urls;
        for (const QString& name : expected)
            urls.append(QUrl::fromLocalFile(m_folder.filePath(name)));
        QCOMPARE(QCoro::waitFor(std::move(task)), urls);
    }
};

QTEST_MAIN(WidgetDialogsTest)
#include "tst_widgetdialogs.moc"
