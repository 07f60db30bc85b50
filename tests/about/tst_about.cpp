#include "Translations.h"
#include "about/AboutCreditsTextView.h"
#include "about/AboutWindow.h"
#include "about/LicenseAgreementView.h"
#include "about/LicenseAgreementWindow.h"
#include "support/FakeDesktopServices.h"
#include "support/FocusChain.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The About and licence windows: the credits text, the keys that close, the licence text.
class AboutTest final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    FakeDesktopServices m_desktop;

private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void credits_replaceTheFirstTokenOnly_orFallBack_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two tokens") << "<p>v &lt;versionString&gt; and &lt;versionString&gt;</p>"
                                    << "v 4.2 and <versionString>";
        QTest::newRow("no resource") << QString() << qtTrId("about.credits.unavailable");
    }
    void credits_replaceTheFirstTokenOnly_orFallBack() {
        QFETCH(QString, html);
        QFETCH(QString, shown);
        const QString path = m_root.filePath(QTest::currentDataTag());
        if (!html.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(html.toUtf8());
        }
        AboutCreditsTextView credits(path, QStringLiteral("4.2"));
        QCOMPARE(credits.toPlainText(), shown);
    }

    void ctrlW_closesTheAboutWindow_otherKeysPassOn_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Shift+W")
            << int(Qt::Key_W) << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
        QTest::newRow("W") << int(Qt::Key_W) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << false;
    }
    void ctrlW_closesTheAboutWindow_otherKeysPassOn() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        std::unique_ptr<AboutWindow> kept;
        AboutWindow* window = AboutWindow::showAboutWindow(m_desktop, &kept);
        QCOMPARE(window->size(), QSize(500, 600));
        QCOMPARE(FocusChain::unnamedStops(window), QStringList());
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->isVisible(), !closes);
    }

    void license_showsTheLicence_andReturnCloses() {
        std::unique_ptr<LicenseAgreementWindow> kept;
        LicenseAgreementWindow* window = LicenseAgreementWindow::showLicenseAgreementWindow(&kept);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* text = window->findChild<QTextEdit*>("licenseText");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->toPlainText().contains("TERMS AND CONDITIONS"));
        QVERIFY(window->view()->closeButton()->isDefault());
        QCOMPARE(FocusChain::unnamedStops(window), QStringList());
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
