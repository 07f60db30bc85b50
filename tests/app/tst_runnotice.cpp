// The notification at the end of a run: only while the main window is not in front.
#include "MainViewHarness.h"
#include "Translations.h"
#include "app/RunNotice.h"
#include "platform/DesktopNotifier.h"

class FakeNotifier final : public DesktopNotifier {
public:
    QStringList notes; // "title: body", "+show" when it offers the action
    std::function<void()> lastShow;
    void notify(const QString& title, const QString& body, std::function<void()> show) override {
        notes.append(title + ": " + body + (show ? "+show" : ""));
        lastShow = std::move(show);
    }
};

class RunNoticeTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Translations::install(*QCoreApplication::instance()); }

    void runEnd_isAnnouncedOnlyWhileTheWindowIsInactive_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<QStringList>("notes");
        const QString done = qtTrId("notification.done") + ": " + qtTrId("banner.created").arg(u"a.zip");
        QTest::newRow("made, window in front") << true << false << QStringList();
        QTest::newRow("made, window behind") << false << false << QStringList{done + "+show"};
        QTest::newRow("failed, window behind")
            << false << true << QStringList{qtTrId("error.title") + ": disk full"};
    }
    void runEnd_isAnnouncedOnlyWhileTheWindowIsInactive() {
        QFETCH(bool, active);
        QFETCH(bool, fails);
        MainViewHarness harness;
        FakeNotifier notifier;
        RunNotice notice(harness.model, notifier, harness.desktop);
        QWidget window;
        notice.setWindow(&window);
        if (active) {
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
        }
        const QList<QUrl> archives{QUrl::fromLocalFile("/srv/a.zip")};
        if (fails)
            emit harness.model.runFailed("disk full");
        else
            harness.model.setResult(ArchiveResult{archives});
        emit harness.model.runFinished();
        QTEST(notifier.notes, "notes");
        if (notifier.lastShow) {
            notifier.lastShow();
            QCOMPARE(harness.desktop.revealed, QList<QList<QUrl>>{archives});
        }
    }
};

QTEST_MAIN(RunNoticeTest)
#include "tst_runnotice.moc"
