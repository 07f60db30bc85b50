#include "MainViewHarness.h"
#include "Translations.h"
#include "app/LineLimitedLabel.h"
#include "app/ResultBanner.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QGraphicsOpacityEffect>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

class BannerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void message_namesOneArchiveOrCountsSeveral_data() {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << QStringList{"/tmp/out/Report.tar.gz"}
                             << qtTrId("banner.created").arg(QStringLiteral("Report.tar.gz"));
        QTest::newRow("three") << QStringList{"/tmp/a.zip", "/tmp/b.zip", "/tmp/c.zip"}
                               << qtTrId("banner.createdMany").arg(3);
    }

    void message_namesOneArchiveOrCountsSeveral() {
        QFETCH(QStringList, paths);
        QFETCH(QString, expected);
        ArchiveResult result;
        for (const QString& path : paths)
            result.urls.append(QUrl::fromLocalFile(path));

        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        harness.model->setResult(result);
        auto* banner = harness.find<ResultBanner>(QStringLiteral("resultBanner"));
        QVERIFY(banner->isVisible());
        QCOMPARE(banner->geometry(), harness.view->rect());
        const QString shown = harness.find<LineLimitedLabel>(QStringLiteral("bannerText"))->text();
        QCOMPARE(shown, expected);
        QVERIFY(!shown.contains(QLatin1String("banner.")));
        QVERIFY(shown.contains(paths.size() == 1 ? QFileInfo(paths.first()).fileName()
                                                 : QString::number(paths.size())));
    }

    void banner_fadesInAndOutWithResult() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        auto* banner = harness.find<ResultBanner>(QStringLiteral("resultBanner"));
        auto* opacity = qobject_cast<QGraphicsOpacityEffect*>(banner->graphicsEffect());
        QVERIFY(opacity);
        QVERIFY(!banner->isVisible());
        harness.model->setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        QTRY_COMPARE(opacity->opacity(), 1.0);
        harness.model->setResult(std::nullopt);
        QVERIFY(banner->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTRY_VERIFY(!banner->isVisible());
        QCOMPARE(opacity->opacity(), 0.0);
    }

    void click_onBackdropTextOrPanel_dismisses_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("backdrop") << QStringLiteral("resultBanner");
        QTest::newRow("text") << QStringLiteral("bannerText");
        QTest::newRow("panel") << QStringLiteral("bannerPanel");
    }

    void click_onBackdropTextOrPanel_dismisses() {
        QFETCH(QString, target);
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        const QList<QUrl> urls{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))};
        harness.model->setResult(ArchiveResult{urls});
        auto* widget = harness.find<QWidget>(target);
        QVERIFY(widget);
        // Clicks go where the window would send them: to the widget under the pointer.
        const QPoint inView = widget->mapTo(harness.view.get(), QPoint(2, 2));
        QWidget* receiver = harness.view->childAt(inView);
        QVERIFY(receiver);
        QTest::mouseClick(receiver, Qt::LeftButton, {}, receiver->mapFrom(harness.view.get(), inView));
        QVERIFY(!harness.model->result().has_value());
        QVERIFY(harness.desktop.revealed.isEmpty());
    }

    void showButton_revealsAllArchivesThenDismisses() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        const QList<QUrl> urls{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip")),
                               QUrl::fromLocalFile(QStringLiteral("/tmp/b.zip"))};
        harness.model->setResult(ArchiveResult{urls});
        auto* button = harness.find<QPushButton>(QStringLiteral("banner.showInFinder"));
        QCOMPARE(button->text(), qtTrId("banner.showInFinder"));
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(harness.desktop.revealed, QList<QList<QUrl>>{urls});
        QVERIFY(!harness.model->result().has_value());
    }

    void dragOverBanner_reachesDropZoneOnlyAboveIt() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        harness.model->setResult(ArchiveResult{{QUrl::fromLocalFile(QStringLiteral("/tmp/a.zip"))}});
        auto* banner = harness.find<ResultBanner>(QStringLiteral("resultBanner"));
        QMimeData data;
        data.setUrls({harness.makeItem(QStringLiteral("next.txt"))});
        const auto send = [&](QEvent&& event) {
            QApplication::sendEvent(banner, &event);
            return event.isAccepted();
        };
        const QPoint overBottomBar = harness.find<QWidget>(QStringLiteral("bottomBar"))->geometry().center();
        const QPoint overDropZone = harness.find<QWidget>(QStringLiteral("dropZone"))->geometry().center();

        // Entering away from the drop zone neither targets nor allows a drop there.
        send(QDragEnterEvent(overBottomBar, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier));
        QVERIFY(!harness.model->isTargeted());
        QVERIFY(!send(QDragMoveEvent(overBottomBar, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(send(QDragMoveEvent(overDropZone, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(harness.model->isTargeted());
        QVERIFY(!send(QDragMoveEvent(overBottomBar, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(!harness.model->isTargeted());
        QVERIFY(send(QDragMoveEvent(overDropZone, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(
            send(QDropEvent(QPointF(overDropZone), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier)));
        QVERIFY(!harness.model->isTargeted());
        // The drop starts a run, which takes the old banner away.
        QTRY_VERIFY(!harness.model->result().has_value() ||
                    harness.model->result()->urls.first().fileName() == QLatin1String("next.zip"));
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
        QCOMPARE(harness.model->result()->urls.first().fileName(), QStringLiteral("next.zip"));
    }

    void finishedRun_showsBannerNamingItsArchive() {
        MainViewHarness harness;
        harness.view->show();
        QVERIFY(QTest::qWaitForWindowExposed(harness.view.get()));
        harness.model->process({harness.makeItem(QStringLiteral("Notes.txt"))});
        auto* banner = harness.find<ResultBanner>(QStringLiteral("resultBanner"));
        QTRY_VERIFY_WITH_TIMEOUT(banner->isVisible(), 20000);
        QCOMPARE(harness.find<LineLimitedLabel>(QStringLiteral("bannerText"))->text(),
                 qtTrId("banner.created").arg(QStringLiteral("Notes.zip")));
    }
};

QTEST_MAIN(BannerTest)
#include "tst_banner.moc"
