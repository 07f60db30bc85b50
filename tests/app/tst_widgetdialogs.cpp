#include "app/WidgetDialogs.h"

#include "Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoroTask>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
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

QStringList buttonTexts(const QMessageBox* box) {
    QStringList texts;
    for (const QAbstractButton* button : box->findChild<QDialogButtonBox*>()->buttons())
        texts.append(button->text());
    return texts;
}

QAbstractButton* buttonWithText(const QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class TestWidgetDialogs : public QObject {
    Q_OBJECT

private:
    WidgetDialogs m_dialogs;
    QTemporaryDir m_folder;

private slots:
    void initTestCase() {
        Translations::install(*QCoreApplication::instance());
        QVERIFY(m_folder.isValid());
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("folder/inner")));
        QFile file(m_folder.filePath(QStringLiteral("a.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void askConfirmation_data() {
        QTest::addColumn<QString>("answer"); // "Omit", "Cancel" or "escape"
        QTest::addColumn<bool>("tickBox");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<bool>("suppressChecked");

        QTest::newRow("confirm") << "Omit" << false << true << false;
        QTest::newRow("confirm, never ask again") << "Omit" << true << true << true;
        QTest::newRow("cancel") << "Cancel" << false << false << false;
        QTest::newRow("cancel with the box ticked") << "Cancel" << true << false << true;
        QTest::newRow("escape key") << "escape" << false << false << false;
    }

    void askConfirmation() {
        QFETCH(QString, answer);
        QFETCH(bool, tickBox);
        QFETCH(bool, confirmed);
        QFETCH(bool, suppressChecked);

        auto task = m_dialogs.askConfirmation({QStringLiteral("Leave out Finder files?"),
                                               QStringLiteral("Details."), QStringLiteral("Omit"),
                                               QStringLiteral("Cancel"), QStringLiteral("Don't ask again")});
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Leave out Finder files?"));
        QCOMPARE(box->informativeText(), QStringLiteral("Details."));
        QVERIFY(box->checkBox());
        QCOMPARE(box->checkBox()->text(), QStringLiteral("Don't ask again"));
        QCOMPARE(box->checkBox()->isChecked(), false);
        QCOMPARE(box->buttonRole(buttonWithText(box, QStringLiteral("Omit"))), QMessageBox::AcceptRole);
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
        QCOMPARE(result.suppressChecked, suppressChecked);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    void askConfirmation_withoutMessage_showsOnlyTheTitle() {
        auto task =
            m_dialogs.askConfirmation({QStringLiteral("Title only"), std::nullopt, QStringLiteral("Set"),
                                       QStringLiteral("Cancel"), QStringLiteral("Don't ask again")});
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Title only"));
        QVERIFY(box->informativeText().isEmpty());
        QTest::mouseClick(buttonWithText(box, QStringLiteral("Set")), Qt::LeftButton);
        QVERIFY(QCoro::waitFor(std::move(task)).confirmed);
    }

    void showError_hasOneOkButton() {
        auto task =
            m_dialogs.showError(QStringLiteral("Couldn't compress"), QStringLiteral("The disk is full."));
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Couldn't compress"));
        QCOMPARE(box->informativeText(), QStringLiteral("The disk is full."));
        QCOMPARE(buttonTexts(box), QStringList{qtTrId("confirm.ok")});
        QVERIFY(qtTrId("confirm.ok") != QLatin1String("confirm.ok"));
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
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("a file and a folder") << "\"a.txt\" \"folder\"" << QStringList{"a.txt", "folder"};
        QTest::newRow("one folder is chosen, not entered") << "folder" << QStringList{"folder"};
        QTest::newRow("one file") << "a.txt" << QStringList{"a.txt"};
    }

    void chooseItems() {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);

        auto task = m_dialogs.chooseItems(QStringLiteral("Add"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        QCOMPARE(dialog->labelText(QFileDialog::Accept), QStringLiteral("Add"));
        dialog->setDirectory(m_folder.path());
        auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(nameField);
        nameField->setText(typed);
        QTest::keyClick(nameField, Qt::Key_Return);

        QList<QUrl> urls;
        for (const QString& name : expected)
            urls.append(QUrl::fromLocalFile(m_folder.filePath(name)));
        QCOMPARE(QCoro::waitFor(std::move(task)), urls);
    }

    void chooseItems_nothingChosen_staysOpen() {
        auto task = m_dialogs.chooseItems(QStringLiteral("Add"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        dialog->setDirectory(m_folder.path());
        QMetaObject::invokeMethod(dialog, "accept");
        // Accepting without a choice must not take the open folder itself.
        QVERIFY(dialog->isVisible());
        dialog->reject();
        QVERIFY(QCoro::waitFor(std::move(task)).isEmpty());
    }

    void chooseItems_cancelled_givesNothing() {
        auto task = m_dialogs.chooseItems(QStringLiteral("Add"));
        QFileDialog* dialog = waitForModal<QFileDialog>();
        QVERIFY(dialog);
        dialog->reject();
        QVERIFY(QCoro::waitFor(std::move(task)).isEmpty());
    }

    void dialogs_attachToTheActiveWindow() {
        QWidget window;
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QSKIP("this platform does not activate windows");
        auto task = m_dialogs.showError(QStringLiteral("Title"), QString());
        QMessageBox* box = waitForModal<QMessageBox>();
        QVERIFY(box);
        QCOMPARE(box->parentWidget(), &window);
        QCOMPARE(box->windowModality(), Qt::WindowModal);
        box->buttons().constFirst()->click();
        QCoro::waitFor(std::move(task));
    }
};

QTEST_MAIN(TestWidgetDialogs)
#include "tst_widgetdialogs.moc"
