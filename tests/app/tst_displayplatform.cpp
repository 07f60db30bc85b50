#include "app/DisplayPlatform.h"

#include <QTest>

class DisplayPlatformTest final : public QObject {
    Q_OBJECT

private slots:
    void platformList_data();
    void platformList();
};

void DisplayPlatformTest::platformList_data() {
    QTest::addColumn<QByteArray>("requested");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("compositor announced") << QByteArray() << QByteArray("x11") << QByteArray("wayland-1")
                                          << QByteArrayList() << QByteArray("wayland;xcb");
    QTest::newRow("wayland session, default socket") << QByteArray() << QByteArray("wayland") << QByteArray()
                                                     << QByteArrayList() << QByteArray("wayland;xcb");
    QTest::newRow("x11 session") << QByteArray() << QByteArray("x11") << QByteArray() << QByteArrayList()
                                 << QByteArray();
    QTest::newRow("user's platform") << QByteArray("xcb") << QByteArray("wayland") << QByteArray("wayland-0")
                                     << QByteArrayList() << QByteArray();
    QTest::newRow("platform option") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                     << QByteArrayList{"-platform", "offscreen"} << QByteArray();
}

void DisplayPlatformTest::platformList() {
    QFETCH(QByteArray, requested);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, expected);
    QCOMPARE(DisplayPlatform::platformList({requested, sessionType, waylandDisplay}, arguments), expected);
}

QTEST_GUILESS_MAIN(DisplayPlatformTest)
#include "tst_displayplatform.moc"
