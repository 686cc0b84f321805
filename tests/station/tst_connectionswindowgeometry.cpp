#include "station/ConnectionsWindowGeometry.h"

#include <QTest>

class TestConnectionsWindowGeometry : public QObject
{
    Q_OBJECT

private slots:
    void theWindowGoesBesideTheMainWindow_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<int>("mainWindowWidth");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << 346 << QRect(20, 200, 187, 200);
        // 1366 / 40 = 34.15, 1019 / 2 = 509.5, 1366 / 20 = 68.3, 768 / 3 = 256
        QTest::newRow("divisions truncate") << QRect(0, 0, 1366, 768) << 347 << QRect(34, 256, 441, 256);
        QTest::newRow("a second screen") << QRect(1920, 0, 1280, 1024) << 400 << QRect(1952, 341, 376, 341);
        QTest::newRow("no room beside the main window")
            << QRect(0, 0, 640, 480) << 600 << QRect(16, 160, 0, 160);
    }
    void theWindowGoesBesideTheMainWindow()
    {
        QFETCH(QRect, screen);
        QFETCH(int, mainWindowWidth);
        QFETCH(QRect, expected);
        QCOMPARE(ConnectionsWindowGeometry::Of(screen, mainWindowWidth), expected);
    }
};

QTEST_APPLESS_MAIN(TestConnectionsWindowGeometry)
#include "tst_connectionswindowgeometry.moc"
