#include "TestSupport.h"
#include "comm/XLMessage.h"
#include "images/MonochromePicture.h"
#include "images/PictureRunCoder.h"

#include <QRandomGenerator>
#include <QTest>

using PictureRunCoder::PictureRefusal;
using TestSupport::Hex;
using TestSupport::ToHex;

Q_DECLARE_METATYPE(TMonochromePicture)

namespace {

// '#' is black, anything else white; all rows as wide as the first.
TMonochromePicture FromRows(const QStringList& rows)
{
    TMonochromePicture picture(rows.isEmpty() ? 0 : int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            picture.SetBlack(x, y, rows[y][x] == u'#');
    return picture;
}

TMonochromePicture Filled(int width, int height, bool black)
{
    TMonochromePicture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.SetBlack(x, y, black);
    return picture;
}

QByteArray Payload(const TMonochromePicture& picture)
{
    TXLMessage message;
    const PictureRefusal refusal = PictureRunCoder::WritePayload(message, picture);
    return refusal == PictureRefusal::None ? message.Body() : QByteArray("refused");
}

// Reads a payload back the way the printer does, and checks that it is the one coding the station
// writes: one run per pair, a run split only after full pairs of 255, and no group that could have
// taken the next row.
class TPayloadReader
{
public:
    explicit TPayloadReader(const QByteArray& payload) : m_payload(payload) {}

    std::optional<TMonochromePicture> Read()
    {
        const int width = ReadLE16();
        const int height = ReadLE16();
        TMonochromePicture picture(width, height);
        if (height == 0 && ReadByte() != 0)
            return Fault("a picture without rows holds more than one empty group");
        std::optional<QByteArray> previousCoding; // none before the first row
        int previousRepeats = 0;
        for (int y = 0; y < height && m_fault.isEmpty();) {
            const int repeats = ReadByte();
            const qsizetype codingStart = m_at;
            const QList<bool> row = ReadRow(width);
            const QByteArray coding = m_payload.mid(codingStart, m_at - codingStart);
            if (coding == previousCoding && previousRepeats < 255)
                return Fault("a group stops before an identical row");
            for (int i = 0; i <= repeats; ++i, ++y) {
                if (y >= height)
                    return Fault("more rows than the height");
                for (int x = 0; x < width; ++x)
                    picture.SetBlack(x, y, row[x]);
            }
            previousCoding = coding;
            previousRepeats = repeats;
        }
        if (m_at != m_payload.size())
            return Fault("bytes after the last row");
        if (!m_fault.isEmpty())
            return std::nullopt;
        return picture;
    }

    QString FaultText() const { return m_fault; }

private:
    int ReadByte()
    {
        if (m_at >= m_payload.size()) {
            Fault("payload ends early");
            return 0;
        }
        return quint8(m_payload[m_at++]);
    }

    int ReadLE16()
    {
        const int low = ReadByte();
        return low | ReadByte() << 8;
    }

    QList<bool> ReadRow(int width)
    {
        QList<bool> row;
        int previousCount = 0;
        bool previousBlack = true; // a leading black run is not a continuation
        while (row.size() < width && m_fault.isEmpty()) {
            const int white = ReadByte();
            const int black = ReadByte();
            if ((white == 0) == (black == 0))
                Fault(QStringLiteral("pair (%1, %2) does not hold exactly one run").arg(white).arg(black));
            const bool isBlack = black != 0;
            const int count = white + black;
            if (!row.isEmpty() && isBlack == previousBlack && previousCount != 255)
                Fault("a run is split before 255");
            if (row.size() + count > width)
                Fault("a row is longer than the width");
            row.append(QList<bool>(count, isBlack));
            previousCount = count;
            previousBlack = isBlack;
        }
        row.resize(width);
        return row;
    }

    std::nullopt_t Fault(const QString& text)
    {
        if (m_fault.isEmpty())
            m_fault = QStringLiteral("%1 at byte %2").arg(text).arg(m_at);
        m_at = m_payload.size();
        return std::nullopt;
    }

    QByteArray m_payload;
    qsizetype m_at = 0;
    QString m_fault;
};

// Rows of random runs (short, medium and longer than 255), often repeated, sometimes hundreds of
// times, so that groups reach their limit of 256 rows.
TMonochromePicture RandomPicture(QRandomGenerator& random)
{
    static constexpr int Widths[] = {0, 1, 7, 8, 9, 63, 64, 65, 255, 256, 300, 513, 1000};
    const int width =
        random.bounded(3) == 0 ? Widths[random.bounded(int(std::size(Widths)))] : random.bounded(1, 700);
    const int height = random.bounded(4) == 0 ? random.bounded(0, 4) : random.bounded(1, 700);
    const double repeatChance = random.bounded(4) == 0 ? 0.998 : random.bounded(1.0);
    const int longestRun = random.bounded(3) == 0 ? 4 : random.bounded(1, 700);

    TMonochromePicture picture(width, height);
    for (int y = 0; y < height; ++y) {
        const bool repeat = y > 0 && random.generateDouble() < repeatChance;
        bool black = random.bounded(2) == 0;
        for (int x = 0; x < width;) {
            const int run = repeat ? 1 : random.bounded(1, longestRun + 1);
            for (int end = std::min(width, x + run); x < end; ++x)
                picture.SetBlack(x, y, repeat ? picture.IsBlack(x, y - 1) : black);
            black = !black;
        }
    }
    return picture;
}

} // namespace

class TestPictureRunCoder : public QObject
{
    Q_OBJECT

private slots:
    void codesRowsAsRunPairsAndGroupsIdenticalRows_data()
    {
        QTest::addColumn<TMonochromePicture>("picture");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("3 white, 4 black, 3 white")
            << FromRows({"...####..."}) << Hex("0A00 0100  00 0300 0004 0300");
        QTest::newRow("300 white") << Filled(300, 1, false) << Hex("2C01 0100  00 FF00 2D00");
        QTest::newRow("255 black") << Filled(255, 1, true) << Hex("FF00 0100  00 00FF");
        QTest::newRow("510 black") << Filled(510, 1, true) << Hex("FE01 0100  00 00FF 00FF");
        QTest::newRow("row starting black") << FromRows({"##.."}) << Hex("0400 0100  00 0002 0200");
        QTest::newRow("three white rows") << Filled(2, 3, false) << Hex("0200 0300  02 0200");
        QTest::newRow("300 identical rows") << Filled(1, 300, true) << Hex("0100 2C01  FF 0001  2B 0001");
        QTest::newRow("rows that differ") << FromRows({"#.", "#.", ".#", "#."})
                                          << Hex("0200 0400  01 0001 0100  00 0100 0001  00 0001 0100");
        QTest::newRow("height 0") << TMonochromePicture(5, 0) << Hex("0500 0000  00");
    }
    void codesRowsAsRunPairsAndGroupsIdenticalRows()
    {
        QFETCH(TMonochromePicture, picture);
        QFETCH(QByteArray, payload);
        QCOMPARE(ToHex(Payload(picture)), ToHex(payload));
    }

    // The first row opens the first group: no row before it exists to be repeated, so the group
    // count says exactly the rows there are, also when every row codes as nothing.
    void widthZeroCodesEveryRowEmpty_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("1 row") << 1 << Hex("0000 0100  00");
        QTest::newRow("3 rows") << 3 << Hex("0000 0300  02");
        QTest::newRow("256 rows") << 256 << Hex("0000 0001  FF");
        QTest::newRow("300 rows") << 300 << Hex("0000 2C01  FF 2B");
    }
    void widthZeroCodesEveryRowEmpty()
    {
        QFETCH(int, height);
        QFETCH(QByteArray, payload);
        QCOMPARE(ToHex(Payload(TMonochromePicture(0, height))), ToHex(payload));
    }

    void refusesSizesTheHeaderCannotCarry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("width 65536") << 65536 << 1;
        QTest::newRow("height 65536") << 0 << 65536;
    }
    void refusesSizesTheHeaderCannotCarry()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        TXLMessage message;
        QCOMPARE(PictureRunCoder::WritePayload(message, TMonochromePicture(width, height)),
                 PictureRefusal::TooLarge);
        QVERIFY(message.Body().isEmpty());
    }

    void largestSizesAreCoded()
    {
        const QByteArray payload = Payload(Filled(65535, 1, true));
        QCOMPARE(payload.size(), 4 + 1 + 2 * 257);
        QCOMPARE(ToHex(payload.first(5)), ToHex(Hex("FFFF 0100 00")));
        QCOMPARE(ToHex(payload.last(4)), ToHex(Hex("00FF 00FF")));
    }

    void randomPicturesComeBackFromTheirPayload()
    {
        const quint32 seed = 20240611;
        QRandomGenerator random(seed);
        for (int i = 0; i < 150; ++i) {
            const TMonochromePicture picture = RandomPicture(random);
            TPayloadReader reader(Payload(picture));
            const std::optional<TMonochromePicture> read = reader.Read();
            const QString where = QStringLiteral("seed %1, picture %2 (%3 x %4): %5")
                                      .arg(seed)
                                      .arg(i)
                                      .arg(picture.Width())
                                      .arg(picture.Height())
                                      .arg(reader.FaultText());
            QVERIFY2(read, qPrintable(where));
            QCOMPARE(read->Width(), picture.Width());
            QCOMPARE(read->Height(), picture.Height());
            QVERIFY2(read->Packed() == picture.Packed(), qPrintable(where));
        }
    }
};

QTEST_APPLESS_MAIN(TestPictureRunCoder)
#include "tst_pictureruncoder.moc"
