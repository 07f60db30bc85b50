#include "MainViewHarness.h"
#include "Translations.h"
#include "app/NameSheet.h"
#include "app/PasswordSheet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString sheetTitle(const QWidget* sheet) {
    return sheet->findChild<QLabel*>(QStringLiteral("sheetTitle"))->text();
}

// Starts a run that will wait at the password sheet (encrypted formats) or the name sheet.
void startRun(MainViewHarness& harness, ArchiveFormat format, bool askName) {
    harness.preferences->setActionFormat(format, harness.preferences->selectedAction());
    harness.preferences->setPromptForName(askName);
    if (isEncrypted(format))
        harness.dialogs.confirmationAnswers.append({true, false});
    harness.view->show();
    QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
    harness.model->process({harness.makeItem(QStringLiteral("Holiday.txt"))});
}

} // namespace

class SheetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void nameSheet_titleSaysDiskImageForBothDiskImageFormats_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("titleKey");
        QTest::newRow("zip") << ArchiveFormat::zip << QStringLiteral("name.archive");
        QTest::newRow("gzip") << ArchiveFormat::gzip << QStringLiteral("name.archive");
        QTest::newRow("disk image") << ArchiveFormat::diskImage << QStringLiteral("name.dmg");
        QTest::newRow("encrypted disk image")
            << ArchiveFormat::encryptedDiskImage << QStringLiteral("name.dmg");
    }

    void nameSheet_titleSaysDiskImageForBothDiskImageFormats() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, titleKey);
        MainViewHarness harness;
        startRun(harness, format, true);
        if (isEncrypted(format)) {
            QTRY_VERIFY(harness.model->showPasswordSheet());
            harness.model->setPassword(QStringLiteral("secret"));
            harness.model->setConfirmPassword(QStringLiteral("secret"));
            harness.model->submitPassword();
        }
        auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheetTitle(sheet), qtTrId(titleKey.toUtf8().constData()));
        harness.model->cancelName();
        QTRY_VERIFY(!sheet->isVisible());
    }

    void nameSheet_isWindowModalAndBoundToProposedName() {
        MainViewHarness harness;
        startRun(harness, ArchiveFormat::zip, true);
        auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QCOMPARE(sheet->width(), 360);
        auto* field = sheet->findChild<QLineEdit*>(QStringLiteral("name.field"));
        QCOMPARE(field->placeholderText(), qtTrId("name.field"));
        QCOMPARE(field->text(), harness.model->proposedName());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("Trip"));
        QCOMPARE(harness.model->proposedName(), QStringLiteral("Trip"));
        harness.model->setProposedName(QStringLiteral("Other"));
        QCOMPARE(field->text(), QStringLiteral("Other"));
    }

    void nameSheet_escapeCloseAndInvalidNames_keepItOpen() {
        MainViewHarness harness;
        startRun(harness, ArchiveFormat::zip, true);
        auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
        QTRY_VERIFY(sheet->isVisible());
        QTest::keyClick(sheet, Qt::Key_Escape);
        sheet->close();
        QVERIFY(sheet->isVisible());
        QVERIFY(harness.model->showNameSheet());

        auto* ok = sheet->findChild<QPushButton*>(QStringLiteral("name.ok"));
        for (const QString& invalid : {QStringLiteral("a/b"), QStringLiteral("a:b"), QStringLiteral("   ")}) {
            harness.model->setProposedName(invalid);
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY2(sheet->isVisible(), qPrintable(invalid));
        }
        QVERIFY(harness.model->isBusy());
        QVERIFY(harness.dialogs.errors.isEmpty());
    }

    void nameSheet_returnSubmitsTrimmedName_cancelEndsRun() {
        {
            MainViewHarness harness;
            startRun(harness, ArchiveFormat::zip, true);
            auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
            QTRY_VERIFY(sheet->isVisible());
            auto* field = sheet->findChild<QLineEdit*>(QStringLiteral("name.field"));
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("  Trip  "));
            QTest::keyClick(field, Qt::Key_Return);
            QTRY_VERIFY(!sheet->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
            QCOMPARE(harness.model->result()->urls.first().fileName(), QStringLiteral("Trip.zip"));
        }
        {
            MainViewHarness harness;
            startRun(harness, ArchiveFormat::zip, true);
            auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
            QTRY_VERIFY(sheet->isVisible());
            QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("confirm.cancel")),
                              Qt::LeftButton);
            QTRY_VERIFY(!sheet->isVisible());
            QTRY_VERIFY(!harness.model->isBusy());
            QVERIFY(!harness.model->result().has_value());
            QVERIFY(harness.dialogs.errors.isEmpty());
        }
    }

    void passwordSheet_titleSaysDiskImageOnlyForEncryptedDiskImage_data() {
        QTest::addColumn<ArchiveFormat>("format");
        QTest::addColumn<QString>("titleKey");
        QTest::newRow("encrypted zip") << ArchiveFormat::encryptedZip << QStringLiteral("password.title.zip");
        QTest::newRow("encrypted disk image")
            << ArchiveFormat::encryptedDiskImage << QStringLiteral("password.title.dmg");
    }

    void passwordSheet_titleSaysDiskImageOnlyForEncryptedDiskImage() {
        QFETCH(ArchiveFormat, format);
        QFETCH(QString, titleKey);
        MainViewHarness harness;
        startRun(harness, format, false);
        auto* sheet = harness.find<PasswordSheet>(QStringLiteral("passwordSheet"));
        QTRY_VERIFY(sheet->isVisible());
        QCOMPARE(sheetTitle(sheet), qtTrId(titleKey.toUtf8().constData()));
        QCOMPARE(sheet->width(), 380);
        QCOMPARE(sheet->windowModality(), Qt::WindowModal);
        QTest::keyClick(sheet, Qt::Key_Escape);
        QVERIFY(sheet->isVisible());
        QTest::mouseClick(sheet->findChild<QPushButton*>(QStringLiteral("confirm.cancel")), Qt::LeftButton);
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY(!harness.model->isBusy());
        QVERIFY(harness.dialogs.errors.isEmpty());
    }

    void passwordSheet_showsErrorsUntilPasswordsMatch() {
        MainViewHarness harness;
        startRun(harness, ArchiveFormat::encryptedZip, false);
        auto* sheet = harness.find<PasswordSheet>(QStringLiteral("passwordSheet"));
        QTRY_VERIFY(sheet->isVisible());
        auto* password = sheet->findChild<QLineEdit*>(QStringLiteral("password.enter"));
        auto* confirmation = sheet->findChild<QLineEdit*>(QStringLiteral("password.confirm"));
        auto* error = sheet->findChild<QLabel*>(QStringLiteral("passwordError"));
        auto* create = sheet->findChild<QPushButton*>(QStringLiteral("password.create"));
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(confirmation->echoMode(), QLineEdit::Password);
        QCOMPARE(password->placeholderText(), qtTrId("password.enter"));
        QCOMPARE(confirmation->placeholderText(), qtTrId("password.confirm"));
        QVERIFY(!error->isVisible());

        QTest::mouseClick(create, Qt::LeftButton);
        QVERIFY(error->isVisible());
        QCOMPARE(error->text(), qtTrId("password.empty"));

        QTest::keyClicks(password, QStringLiteral("secret"));
        QTest::keyClicks(confirmation, QStringLiteral("secreT"));
        QCOMPARE(harness.model->password(), QStringLiteral("secret"));
        QCOMPARE(harness.model->confirmPassword(), QStringLiteral("secreT"));
        QTest::mouseClick(create, Qt::LeftButton);
        QCOMPARE(error->text(), qtTrId("password.mismatch"));
        QVERIFY(sheet->isVisible());

        QTest::keyClick(confirmation, Qt::Key_Backspace);
        QTest::keyClicks(confirmation, QStringLiteral("t"));
        QTest::keyClick(confirmation, Qt::Key_Return);
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 20000);
    }

    void stop_whileSheetOpen_closesIt() {
        MainViewHarness harness;
        startRun(harness, ArchiveFormat::zip, true);
        auto* sheet = harness.find<NameSheet>(QStringLiteral("nameSheet"));
        QTRY_VERIFY(sheet->isVisible());
        harness.model->stop();
        QTRY_VERIFY(!sheet->isVisible());
        QTRY_VERIFY(!harness.model->isBusy());
    }
};

QTEST_MAIN(SheetsTest)
#include "tst_sheets.moc"
