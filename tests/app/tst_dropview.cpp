#include "MainViewHarness.h"
#include "Translations.h"
#include "app/DropSymbol.h"
#include "app/DropView.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QtTest>

namespace {

struct MimeContent {
    QList<QUrl> urls;
    QString text;
};

std::unique_ptr<QMimeData> mimeOf(const MimeContent& content) {
    auto data = std::make_unique<QMimeData>();
    if (!content.urls.isEmpty())
        data->setUrls(content.urls);
    if (!content.text.isEmpty())
        data->setText(content.text);
    return data;
}

// Sends a drag that enters the view and then either leaves it or is dropped; reports whether the
// view accepted the entry and the drop.
struct DragOutcome {
    bool enterAccepted = false;
    bool dropAccepted = false;
};

DragOutcome drag(QWidget* view, const QMimeData* data, bool dropIt) {
    DragOutcome outcome;
    const QPoint centre = view->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    outcome.enterAccepted = enter.isAccepted();
    if (!outcome.enterAccepted)
        return outcome;
    QDragMoveEvent move(centre, Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data, Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    if (dropIt) {
        QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, data,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &drop);
        outcome.dropAccepted = drop.isAccepted();
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(view, &leave);
    }
    return outcome;
}

} // namespace

Q_DECLARE_METATYPE(MimeContent)

class DropViewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Translations::install(*QCoreApplication::instance());
    }

    void drag_callbacks_followEnableRuleAndOrder_data() {
        QTest::addColumn<MimeContent>("content");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("dropIt");
        QTest::addColumn<QStringList>("expectedCalls");

        const QUrl a = QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"));
        const QUrl b = QUrl::fromLocalFile(QStringLiteral("/tmp/folder"));
        const QUrl c = QUrl::fromLocalFile(QStringLiteral("/srv/c.png"));
        const QUrl web(QStringLiteral("https://example.com/page.html"));
        const QString all = QStringLiteral("drop /tmp/a.txt|/tmp/folder|/srv/c.png");

        QTest::newRow("files dropped")
            << MimeContent{{a, b, c}, {}} << true << true << QStringList{"target true", "target false", all};
        QTest::newRow("files enter and leave")
            << MimeContent{{a, b, c}, {}} << true << false << QStringList{"target true", "target false"};
        QTest::newRow("files while disabled") << MimeContent{{a, b}, {}} << false << true << QStringList{};
        QTest::newRow("text only") << MimeContent{{}, QStringLiteral("some words")} << true << true
                                   << QStringList{};
        QTest::newRow("web address only") << MimeContent{{web}, {}} << true << true << QStringList{};
        QTest::newRow("web address among files")
            << MimeContent{{web, a, c}, {}} << true << true
            << QStringList{"target true", "target false", "drop /tmp/a.txt|/srv/c.png"};
    }

    void drag_callbacks_followEnableRuleAndOrder() {
        QFETCH(MimeContent, content);
        QFETCH(bool, enabled);
        QFETCH(bool, dropIt);
        QFETCH(QStringList, expectedCalls);

        DropView view;
        view.resize(200, 200);
        view.setDropEnabled(enabled);
        QStringList calls;
        view.setOnTarget([&calls](bool targeted) {
            calls.append(QStringLiteral("target ") + (targeted ? "true" : "false"));
        });
        view.setOnDrop([&calls](const QList<QUrl>& urls) {
            QStringList paths;
            for (const QUrl& url : urls)
                paths.append(url.toLocalFile());
            calls.append(QStringLiteral("drop ") + paths.join(QLatin1Char('|')));
        });

        const auto data = mimeOf(content);
        const DragOutcome outcome = drag(&view, data.get(), dropIt);
        QCOMPARE(calls, expectedCalls);
        QCOMPARE(outcome.enterAccepted, !expectedCalls.isEmpty());
        QCOMPARE(outcome.dropAccepted, dropIt && !expectedCalls.isEmpty());
    }

    void drop_disabledAfterEntering_tellsTargetFalseAndRefuses() {
        DropView view;
        QStringList calls;
        view.setOnTarget([&calls](bool targeted) { calls.append(targeted ? "true" : "false"); });
        view.setOnDrop([&calls](const QList<QUrl>&) { calls.append("drop"); });
        const auto data = mimeOf({{QUrl::fromLocalFile(QStringLiteral("/tmp/x"))}, {}});
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &enter);
        view.setDropEnabled(false);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &drop);
        QCOMPARE(calls, (QStringList{"true", "false"}));
        QVERIFY(!drop.isAccepted());
    }

    void mainView_dragOverDropZone_marksTargetAndColoursOutline() {
        MainViewHarness harness;
        auto* dropView = harness.find<DropView>(QStringLiteral("dropView"));
        auto* symbol = harness.find<DropSymbol>(QStringLiteral("dropSymbol"));
        QVERIFY(dropView && symbol);
        const QColor idle = symbol->outlineColor();
        const auto data = mimeOf({{harness.makeItem(QStringLiteral("a.txt"))}, {}});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropView, &enter);
        QVERIFY(harness.model->isTargeted());
        QCOMPARE(symbol->outlineColor(), symbol->palette().color(QPalette::Active, QPalette::Highlight));
        QVERIFY(symbol->outlineColor() != idle);
        QDragLeaveEvent leave;
        QApplication::sendEvent(dropView, &leave);
        QVERIFY(!harness.model->isTargeted());
        QCOMPARE(symbol->outlineColor(), idle);
    }

    void mainView_dropSeveralItems_makesOneRunOverAllInOrder() {
        MainViewHarness harness;
        harness.preferences->setIndividualArchives(true);
        harness.preferences->setSelectedAction(ArchiveAction::archive);
        const QList<QUrl> items{harness.makeItem(QStringLiteral("b.txt")),
                                harness.makeItem(QStringLiteral("a.txt")),
                                harness.makeItem(QStringLiteral("folder/"))};
        const auto data = mimeOf({items, {}});
        auto* dropView = harness.find<DropView>(QStringLiteral("dropView"));
        QVERIFY(drag(dropView, data.get(), true).dropAccepted);
        QVERIFY(harness.model->isBusy());
        QTRY_VERIFY_WITH_TIMEOUT(harness.model->result().has_value(), 20000);
        QStringList names;
        const ArchiveResult result = *harness.model->result();
        for (const QUrl& url : result.urls)
            names.append(url.fileName());
        QCOMPARE(names, (QStringList{"b.zip", "a.zip", "folder.zip"}));
        QVERIFY(harness.dialogs.errors.isEmpty());
    }

    void mainView_dragWhileBusy_isRefusedWithoutTargeting() {
        MainViewHarness harness(true);
        harness.model->process({harness.makeItem(QStringLiteral("a.txt"))});
        QTRY_VERIFY(harness.model->isBusy());
        QSignalSpy targeted(harness.model.get(), &MainModel::isTargetedChanged);
        const auto data = mimeOf({{harness.makeItem(QStringLiteral("b.txt"))}, {}});
        const DragOutcome outcome =
            drag(harness.find<DropView>(QStringLiteral("dropView")), data.get(), true);
        QVERIFY(!outcome.enterAccepted);
        QCOMPARE(targeted.count(), 0);
        QVERIFY(!harness.model->isTargeted());
    }
};

QTEST_MAIN(DropViewTest)
#include "tst_dropview.moc"
