#pragma once

#include "coder/PrinterModels.h"
#include "comm/LinkPeer.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class TCoderEvents;
enum class TPrinterFault;
class TXLMessage;
struct TXLMessageKind;

// What the station knows about one printer, and the interpreter of every message the printer sends.
// Each channel owns one coder, its peer. When a message arrives the coder updates its fields and
// reports to the station; what only concerns the printer shown in the main window happens only while
// Selected is set.
class TCoder : public TLinkPeer
{
public:
    TCoder(TCommChannel& channel, TCoderEvents& events);

    // The coder of a channel the station made (every such channel's peer is a coder).
    static TCoder& Of(TCommChannel& channel);
    static const TCoder& Of(const TCommChannel& channel);
    // A factory for channels whose coders report to the events.
    static TLinkPeerFactory Factory(TCoderEvents& events);

    // The name of a printer that has not reported its own; shown in the language in use.
    static constexpr const char* UnknownPrinter = QT_TRANSLATE_NOOP("TCoder", "Unknown Printer");

    TCommChannel& Channel;
    quint8 Model = PrinterModels::NotReported;
    QString PrinterName = QLatin1String(UnknownPrinter);
    QStringList Images;
    QString ProtectedImage = QStringLiteral("Telvos"); // never offered for deletion
    quint32 FreeMemory = 0;
    qint32 PrintCount = 0;
    QString CurrentImageA;
    QString CurrentImageB;
    bool Printing = false;
    bool Connected = false;
    bool Selected = false;
    QString Version;
    quint16 StatusWord = 0;
    bool Busy = false; // sending is held until the printer next sends a data packet

    // Status word bits the station shows: printing (print lamp) and ink/ribbon (ink lamp).
    static constexpr quint16 InkBit = 0x0001;
    static constexpr quint16 PrintingBit = 0x0100;

    void HandleMessage(TXLMessage& message) override;
    void PacketAcknowledged(const TXLMessage& message, bool complete) override;
    bool IsConnected() const override { return Connected; }
    void SetConnected(bool connected) override { Connected = connected; }
    void SetSelected(bool selected) override { Selected = selected; }
    bool IsBusy() const override { return Busy; }
    void SetBusy(bool busy) override { Busy = busy; }
    // Pushes the whole state to the main and print windows.
    void Refresh() override;
    bool HasImage(const QString& name) const { return Images.contains(name); }
    // 0 neither bit, 1 only the ink bit, 2 only the printing bit, 3 both.
    int StatusIcon() const;
    // The printer's name; one that has not reported its name is shown as unknown in the language in use.
    QString ShownName() const;
    // The model's prefix and the printer's name, as the connection list shows them.
    QString DisplayName() const;
    // The free memory as the main window shows it: the number of bytes and the unit.
    static QString FreeSpaceText(quint32 bytes);

private:
    void HandleConnectAck(TXLMessage& message);
    void HandleStatus(TXLMessage& message);
    void HandleOperatorRequest(TXLMessage& message);
    void ReadCurrentImages(TXLMessage& message);
    void SetCurrentImages(const QString& imageA, const QString& imageB);
    void ReportFault(TPrinterFault fault, const QString& text);
    void Queue(TXLMessageKind kind);

    TCoderEvents& m_events;
};
