#pragma once

#include "SimFaults.h"
#include "SimPrinterState.h"

#include "comm/XLMessage.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class TPrinterLink;
class TSimMessageLog;

// One simulated printer: it answers every message the station sends, on the link it came from, and
// sends its own messages (faults, operator requests, print counts) on every open link whose station
// has not disconnected. The printer's state is shared by all links; each link keeps its own packet
// numbering. Media (TCP server, pseudo-terminal, or a test) create the links and register them.
class TSimPrinter : public QObject
{
    Q_OBJECT

public:
    explicit TSimPrinter(const TSimPrinterConfig& config = {}, QObject* parent = nullptr);

    TSimFaults& Faults() { return m_faults; }
    TSimPrinterState& State() { return m_state; }
    const TSimPrinterConfig& Config() const { return m_config; }
    // Where every complete message received or sent is written; null for none. Not owned.
    void SetLog(TSimMessageLog* log) { m_log = log; }

    // The printer serves the link until the link is destroyed.
    void AddLink(TPrinterLink* link);
    const QList<TPrinterLink*>& Links() const { return m_links; }

    // The printer's own messages, on the operator's command.
    void SendFault(XLReceive::StatusSub fault);
    void SendOperatorTextRequest(const QString& prompt, const QString& text, quint8 maxLength);
    void SendOperatorDateRequest();
    void SendOperatorNumericRequest(quint32 value, quint32 limitA, quint32 limitB, quint8 itemNumber);
    // DisconnectNotice or Disconnected ('!' 17); afterwards the printer sends nothing of its own
    // until a station connects again.
    void SendDisconnectNotice();
    void SendDisconnected();
    // Takes the status word and reports it (StatusInfo).
    void SetStatusWord(quint16 statusWord);
    // Takes the print count and reports it (PrintCountInfo), as printing does.
    void SetPrintCount(quint32 printCount);
    // From now on the ink bit of the status word flips this often a second, each flip reported
    // (StatusInfo), as a printer whose state keeps changing; 0 stops it.
    void SetStateChangesPerSecond(int perSecond);

signals:
    // A station opened a link to the printer.
    void LinkAdded(TPrinterLink& link);

private:
    using Handler = void (TSimPrinter::*)(TPrinterLink&, TXLMessage&);

    void HandleMessage(TPrinterLink& link, TXLMessage message);
    void OnConnectRequest(TPrinterLink& link, TXLMessage& message);
    void OnDisconnectRequest(TPrinterLink& link, TXLMessage& message);
    void OnRequestImageList(TPrinterLink& link, TXLMessage& message);
    void OnRequestParameters(TPrinterLink& link, TXLMessage& message);
    void OnRequestImageItems(TPrinterLink& link, TXLMessage& message);
    void OnRequestStatus(TPrinterLink& link, TXLMessage& message);
    void OnRequestPrinterInfo(TPrinterLink& link, TXLMessage& message);
    void OnRequestClock(TPrinterLink& link, TXLMessage& message);
    void OnStartPrint(TPrinterLink& link, TXLMessage& message);
    void OnStopPrint(TPrinterLink& link, TXLMessage& message);
    void OnDeleteImage(TPrinterLink& link, TXLMessage& message);
    void OnImageData(TPrinterLink& link, TXLMessage& message);
    void OnFlashWrite(TPrinterLink& link, TXLMessage& message);
    void OnModifyItem(TPrinterLink& link, TXLMessage& message);
    void OnSetDate(TPrinterLink& link, TXLMessage& message);
    void OnSetTime(TPrinterLink& link, TXLMessage& message);

    std::unique_ptr<TXLMessage> StatusInfo() const;
    std::unique_ptr<TXLMessage> MemoryInfo() const;
    // Sends a copy of the message on every link whose station has not disconnected.
    void Broadcast(const TXLMessage& message);
    // The same, only to links with nothing in flight, so that reports do not pile up for a station
    // that stops answering.
    void Report(const TXLMessage& message);
    void OnPrintStep();
    void OnPrintReport();
    void OnStateChange();

    TSimPrinterConfig m_config;
    TSimFaults m_faults;
    TSimPrinterState m_state;
    TSimMessageLog* m_log = nullptr;
    QList<TPrinterLink*> m_links;
    QTimer m_printStepTimer;
    QTimer m_printReportTimer;
    QTimer m_stateChangeTimer;
    quint32 m_reportedCount = 0;
};
