#include "widgets/ConnectionIcon.h"
#include "widgets/ElidingLabel.h"
#include "widgets/Lamp.h"

#include <QTest>

class TestStatusWidgets : public QObject
{
    Q_OBJECT

private slots:
    void aLampIsAGreenOrRedDisc_data()
    {
        QTest::addColumn<bool>("lit");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("lit") << true << TLamp::LitColor << "Printing: on";
        QTest::newRow("not lit") << false << TLamp::UnlitColor << "Printing: off";
    }
    void aLampIsAGreenOrRedDisc()
    {
        QFETCH(bool, lit);
        QFETCH(QColor, color);
        QFETCH(QString, name);
        TLamp lamp;
        lamp.SetCaption(QStringLiteral("Printing"));
        lamp.resize(20, 20);
        lamp.SetLit(lit);
        const QImage image = lamp.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), color);
        QCOMPARE(image.pixelColor(0, 0), lamp.palette().color(QPalette::Window)); // a disc, not a square
        QCOMPARE(lamp.accessibleName(), name);
    }

    // Icons 0 to 3 by the printer's status bits (1 ink, 2 printing), 4 when it is not connected, 5 while
    // it is being reconnected; drawn for the pixels asked for, so that a screen of pixel ratio 2 gets
    // a sharp icon of 64 by 64.
    void aConnectionIconShowsThePrintAndInkLamps_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("printLamp");
        QTest::addColumn<QColor>("inkLamp");
        QTest::newRow("0: neither") << 0 << TLamp::UnlitColor << TLamp::UnlitColor;
        QTest::newRow("1: ink") << 1 << TLamp::UnlitColor << TLamp::LitColor;
        QTest::newRow("2: printing") << 2 << TLamp::LitColor << TLamp::UnlitColor;
        QTest::newRow("3: both") << 3 << TLamp::LitColor << TLamp::LitColor;
        QTest::newRow("4: not connected") << 4 << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("5: reconnecting") << 5 << QColor(Qt::white) << QColor(Qt::white);
    }
    void aConnectionIconShowsThePrintAndInkLamps()
    {
        QFETCH(int, index);
        QFETCH(QColor, printLamp);
        QFETCH(QColor, inkLamp);
        for (const qreal ratio : {1.0, 2.0}) {
            const QPixmap pixmap = ConnectionIcon::Icon(index).pixmap(QSize(32, 32), ratio);
            QCOMPARE(pixmap.size(), QSize(32, 32) * ratio);
            QCOMPARE(pixmap.devicePixelRatio(), ratio);
            const QImage image = pixmap.toImage();
            const qreal scale = 32 * ratio / ConnectionIcon::Grid;
            QCOMPARE(image.pixelColor((ConnectionIcon::PrintLampCentre * scale).toPoint()), printLamp);
            QCOMPARE(image.pixelColor((ConnectionIcon::InkLampCentre * scale).toPoint()), inkLamp);
            // The badge says reconnecting; the lamps alone do not tell it from not connected.
            const QColor badge = image.pixelColor(((ConnectionIcon::BadgeCentre + QPointF(0, 1)) * scale).toPoint());
            QCOMPARE(badge == QColor(ConnectionIcon::BadgeColor), index == ConnectionIcon::Reconnecting);
        }
    }

    void aLongValueEndsInAnEllipsisButKeepsItsText()
    {
        const QString value = QStringLiteral("PACKLINE-WEST-07, PACKLINE-EAST-12");
        TElidingLabel label(value);
        QVERIFY(label.minimumSizeHint().width() < label.sizeHint().width());
        label.resize(label.sizeHint());
        QVERIFY(!label.IsElided());
        label.resize(label.sizeHint().width() / 2, label.sizeHint().height());
        QVERIFY(label.IsElided());
        QCOMPARE(label.text(), value);
    }
};

QTEST_MAIN(TestStatusWidgets)
#include "tst_statuswidgets.moc"
