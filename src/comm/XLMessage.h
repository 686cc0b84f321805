#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

// A message kind: its Id and its Sub.
struct TXLMessageKind
{
    quint8 Id;
    quint16 Sub;
};

// Messages the station sends.
namespace XLSend {
inline constexpr TXLMessageKind ConnectRequest{0x3D, 0};
inline constexpr TXLMessageKind DisconnectRequest{0x3D, 0x55AA};
inline constexpr TXLMessageKind Wake{0x01, 0};
inline constexpr TXLMessageKind RequestImageList{0x3F, 1};
inline constexpr TXLMessageKind RequestParameters{0x3F, 3};
inline constexpr TXLMessageKind RequestImageItems{0x3F, 4};
inline constexpr TXLMessageKind RequestStatus{0x3F, 5};
inline constexpr TXLMessageKind RequestPrinterInfo{0x3F, 6};
inline constexpr TXLMessageKind RequestClock{0x3F, 7};
inline constexpr TXLMessageKind StartPrint{0x30, 1};
inline constexpr TXLMessageKind StopPrint{0x30, 2};
inline constexpr TXLMessageKind DeleteImage{0x31, 1};
inline constexpr TXLMessageKind ImageData{0x31, 2};
inline constexpr TXLMessageKind FlashWrite{0x31, 4};
inline constexpr TXLMessageKind ModifyItem{0x31, 7};
inline constexpr TXLMessageKind OperatorTextReply{0x32, 2};
inline constexpr TXLMessageKind OperatorDateReply{0x32, 4};
inline constexpr TXLMessageKind OperatorNumericReply{0x32, 6};
inline constexpr quint8 WriteParameterId = 0x33; // Sub: the parameter number
inline constexpr TXLMessageKind SetDate{0x34, 1};
inline constexpr TXLMessageKind SetTime{0x34, 2};
} // namespace XLSend

// Messages the printer sends. Connection messages carry Id '='; a Sub of 0x55AA is the
// DisconnectNotice, any other Sub is a ConnectAck whose low byte is the model code.
namespace XLReceive {
inline constexpr quint8 ConnectionId = 0x3D;
inline constexpr quint16 DisconnectNoticeSub = 0x55AA;
inline constexpr quint8 StatusId = 0x21;
inline constexpr quint8 OperatorRequestId = 0x32;

enum StatusSub : quint16
{
    ImageList = 1,
    MemoryInfo = 2,
    FlashWriteStarted = 3,
    FlashWriteDone = 4,
    PrintCountInfo = 5,
    PrintStarted = 6,
    PrintStopped = 7,
    StatusInfo = 8,
    ParameterData = 9,
    NextImageRequest = 10,
    ImageDeleted = 11,
    InsufficientMemory = 12,
    TransferFailed = 13,
    Identity = 14,
    PrintCycleTimeout = 15,
    PositioningError = 16,
    Disconnected = 17,
    MemoryWriteError = 18,
    ImageItems = 19,
    VersionInfo = 20,
    RibbonFault = 21,
    ClockInfo = 23,
};

enum OperatorSub : quint16
{
    OperatorTextRequest = 1,
    OperatorDateRequest = 3,
    OperatorNumericRequest = 5,
};
} // namespace XLReceive

// A message to or from a printer: Id, Sub and a body with a read/write position. Numbers in the
// body are big-endian; strings are 8-bit characters (ISO 8859-1) closed by one 0x00 byte.
//
// Reading never leaves the body: a number that does not fit in the bytes left reads as 0 and moves
// the position to the end, and a string ends at the end of the body.
class TXLMessage
{
public:
    TXLMessage(quint8 id = 0, quint16 sub = 0) : Id(id), Sub(sub) {}
    explicit TXLMessage(TXLMessageKind kind) : Id(kind.Id), Sub(kind.Sub) {}

    quint8 Id = 0;
    quint16 Sub = 0;
    quint8 MessageNo = 0;    // of the packets that carried a received message; 0 while built
    quint8 NextPacketNo = 1; // packet number expected next while a received message is joined

    bool Is(TXLMessageKind kind) const { return Id == kind.Id && Sub == kind.Sub; }

    const QByteArray& Body() const { return m_body; }
    qsizetype Size() const { return m_body.size(); }
    qsizetype Position() const { return m_position; }
    void SetPosition(qsizetype position) { m_position = qBound<qsizetype>(0, position, m_body.size()); }
    bool AtEnd() const { return m_position >= m_body.size(); }
    // Drops everything after the current position and rewinds to the start.
    void CutAtPosition();
    // Empties the body; Id, Sub and the numbers stay. The body's memory is kept for the next one,
    // unless it grew beyond KeptCapacity: a link joins message after message in the same one.
    void Clear();
    static constexpr qsizetype KeptCapacity = 4 * 1024 * 1024;

    quint8 ReadU8();
    quint16 ReadU16();
    quint32 ReadU32();
    // Bytes up to the closing 0x00 (consumed) or to the end of the body.
    QString ReadString();
    // Strings up to the end of the body; empty strings and bytes after the last 0x00 are skipped.
    QStringList ReadStringList();
    // Up to count bytes from the position, fewer at the end of the body.
    QByteArrayView ReadBytes(qsizetype count);

    // Writes go to the current position, replacing bytes there and growing the body at its end.
    void WriteU8(quint8 value);
    void WriteU16(quint16 value);
    void WriteU32(quint32 value);
    void WriteString(const QString& text);
    // Whether WriteString carries the text unchanged: every character is one of ISO 8859-1 and none
    // is the 0 that would end the string early.
    static bool IsWireString(const QString& text) { return !FirstNonWireCharacter(text); }
    // The first character a printer string cannot carry as it is: one beyond 8 bits, or the 0x00
    // that would end the string early; none when the whole text can be sent.
    static std::optional<char32_t> FirstNonWireCharacter(const QString& text);
    void WriteBytes(QByteArrayView bytes);

private:
    quint32 ReadNumber(int width);
    void WriteNumber(quint32 value, int width);

    QByteArray m_body;
    qsizetype m_position = 0;
};
