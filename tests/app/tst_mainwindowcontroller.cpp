#include "app/MainWindowController.h"

#include "MainViewHarness.h"
#include "Translations.h"
#include "app/AppInfo.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>

namespace {

QStringList actionTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestMainWindowController : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void menus_haveTheirItemsInOrder() {
        MainViewHarness harness;
        MainWindowController window(*harness.model, *harness.preferences, harness.dialogs, harness.desktop);
        QStringList menuTitles;
        for (const QAction* action : window.menuBar()->actions())
            menuTitles.append(action->text());
        QCOMPARE(menuTitles,
                 (QStringList{QStringLiteral("Balewick"), qtTrId("menu.file"), qtTrId("menu.help")}));

        const auto* applicationMenu = window.findChild<QMenu*>(QStringLiteral("applicationMenu"));
        QCOMPARE(actionTexts(applicationMenu), QStringList{qtTrId("menu.quit")});
        QCOMPARE(applicationMenu->actions().constFirst()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

        const auto* fileMenu = window.findChild<QMenu*>(QStringLiteral("fileMenu"));
        QCOMPARE(actionTexts(fileMenu), QStringList{qtTrId("main.add")});
        QCOMPARE(fileMenu->actions().constFirst()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

        const auto* helpMenu = window.findChild<QMenu*>(QStringLiteral("helpMenu"));
        QCOMPARE(actionTexts(helpMenu), (QStringList{qtTrId("help.app"), qtTrId("help.support"),
                                                     QStringLiteral("-"), qtTrId("help.site")}));
        QCOMPARE(helpMenu->actions().constFirst()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Question));
        for (const QString& text :
             actionTexts(helpMenu) + actionTexts(fileMenu) + actionTexts(applicationMenu))
            QVERIFY2(!text.contains(QLatin1Char('.')) || text == QLatin1String("-"), qPrintable(text));
    }

    void helpItems_openTheMakersPages() {
        MainViewHarness harness;
        MainWindowController window(*harness.model, *harness.preferences, harness.dialogs, harness.desktop);
        for (const char* name : {"helpAction", "supportAction", "siteAction"})
            window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
        const QString host = webHost();
        QCOMPARE(harness.desktop.opened,
                 (QList<QUrl>{QUrl(host + QStringLiteral("/support/balewick")),
                              QUrl(host + QStringLiteral("/support/")), QUrl(host + QStringLiteral("/"))}));
    }

    void addItem_asksForItemsAndIsDisabledWhileBusy() {
        MainViewHarness harness(/*slowTools=*/true);
        MainWindowController window(*harness.model, *harness.preferences, harness.dialogs, harness.desktop);
        auto* add = window.findChild<QAction*>(QStringLiteral("addAction"));
        add->trigger();
        QTRY_COMPARE(harness.dialogs.itemPrompts.size(), 1);

        harness.model->process({harness.makeItem(QStringLiteral("one.txt"))});
        QTRY_VERIFY(harness.model->isBusy());
        QVERIFY(!add->isEnabled());
        QTRY_VERIFY(harness.model->showProgress());
        harness.model->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!harness.model->isBusy(), 20000);
        QVERIFY(add->isEnabled());
    }

    void pageUrl_data() {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected"); // empty: the item does nothing

        QTest::newRow("support page") << "https://balewick.example"
                                      << "/support/balewick"
                                      << "https://balewick.example/support/balewick";
        QTest::newRow("host with a trailing slash") << "https://balewick.example/"
                                                    << "/"
                                                    << "https://balewick.example/";
        QTest::newRow("host with a port") << "http://127.0.0.1:8080"
                                          << "/support/"
                                          << "http://127.0.0.1:8080/support/";
        QTest::newRow("no scheme") << "balewick.example"
                                   << "/"
                                   << "";
        QTest::newRow("space in the host") << "https://bale wick.example"
                                           << "/"
                                           << "";
        QTest::newRow("empty host") << ""
                                    << "/support/"
                                    << "";
    }

    void pageUrl() {
        QFETCH(QString, host);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        const std::optional<QUrl> url = MainWindowController::pageUrl(host, path);
        QCOMPARE(url.has_value(), !expected.isEmpty());
        if (url)
            QCOMPARE(url->toString(), expected);
    }
};

QTEST_MAIN(TestMainWindowController)
#include "tst_mainwindowcontroller.moc"
