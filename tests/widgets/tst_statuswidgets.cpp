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
