#pragma once

#include "coder/CoderEvents.h"
#include "station/ConnectionManager.h"
#include "station/ImageDeletion.h"
#include "station/LineModel.h"
#include "station/ModifyImage.h"
#include "station/PrinterRecorder.h"
#include "station/StationEvents.h"
#include "station/StationViews.h"
#include "station/TransferBatch.h"

#include <QHash>
#include <QObject>
#include <QSet>

class TFontMap;
struct TClockChange;
struct TSettingChange;

// The station's logic in one place: the connection manager with every printer link, the transfer
// batch and the image deletion in progress, the items of the image the modify window lists, and
// the way from each printer's reports to the window or the work they belong to. The window program,
// the command-line tool and the tests each give it their views.
class TStation : public QObject, private TCoderEvents
{
    Q_OBJECT

public:
    TStation(const TStationViews& views, const TFontMap& fonts,
             const TDiscoveryAddress& discovery = TDiscoveryAddress::FromSettings(), QObject* parent = nullptr);

    TConnectionManager& Manager() { return m_manager; }
    TTransferBatch& Batch() { return m_batch; }
    TImageDeletion& Deletion() { return m_deletion; }
    TModifyImage& ModifyImage() { return m_modifyImage; }
    const TStationViews& Views() const { return m_views; }
    // The station's one stream of events: what happens to the printers and what is done to them.
    TStationEvents& Events() { return m_events; }
    // Every printer the station knows, live, for the Line window and for other programs.
    TLineModel& Line() { return m_line; }
    // The printers the station keeps connected.
    TReconnection& Reconnection() { return m_manager.Reconnection(); }
    // Makes the state of a printer linked by a channel made outside the manager (tests, tools),
    // reporting to this station like the manager's own.
    TLinkPeerFactory PrinterFactory();

    // Starts printing the images (image B only on the two-head model); the main window shows them
    // once the printer has the Start message.
    void StartPrint(const QString& imageA, const QString& imageB);
    void StopPrint();
    // Asks the selected printer to describe the items of an image for the station's own work (a
    // changeover), not for the modify image window: its report goes out as ImageItemsRead. Requests
    // still unanswered are dropped when another printer is selected.
    void RequestImageItems(const QString& image);
    // The same for a connected printer (a channel's id) whether or not it is selected: the way of a
    // remote command, which must not change what the operator sees. Nothing goes to a printer that is
    // not connected.
    void StartPrint(quint64 printerId, const QString& imageA, const QString& imageB);
    void StopPrint(quint64 printerId);
    // Sets a connected printer's clock to the station's as the clock dialog's "Use PC time" and "OK"
    // do: the printer's clock is asked for, and when it answers, its date and time are set where they
    // differ. The answer opens no window.
    void SyncClock(quint64 printerId);
    // A transfer batch into a connected printer, which becomes the selected one; false when a batch
    // runs already or the printer is not connected.
    bool Transfer(quint64 printerId, const QStringList& files);
    // Whether an operator request of the printer waits for its answer.
    bool HasOpenOperatorRequest(quint64 printerId) const { return m_openRequests.contains(printerId); }
    // The state of a connected printer, or null.
    const TCoder* ConnectedPrinter(quint64 printerId) const;
    // The station closes: a transfer under way ends by its abort rule (its flash write goes before
    // the printer hears the disconnect), every printer is disconnected and every link closed.
    void Shutdown();

    // What the parameters editor and the clock dialog (or the command line) wrote to a connected
    // printer (a channel's id), for the events; nothing went to a printer that is no longer there.
    void RecordParameterWrites(quint64 printerId, const QList<TSettingChange>& changes);
    void RecordClockSet(quint64 printerId, const std::optional<TClockChange>& change);

signals:
    // The selected printer's description of the items of an image the station's work asked for,
    // read as the modify image window reads it.
    void ImageItemsRead(const QString& image, const QList<TImageItemRow>& rows, TImageItemsEnd end);

private:
    void OnSelectionChanged();
    TCoder* SelectedPrinter() const;
    template <typename Answer, typename Ask> Answer OperatorRequest(const TCoder& coder, Ask ask);

    // The printers' reports.
    void UpdateForm(const TCoder& coder) override;
    void CurrentImagesChanged(const TCoder& coder) override;
    void StatusWordChanged(quint16 statusWord) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void PrintCountChanged(const QString& text) override;
    void FreeSpaceChanged(const QString& text) override;
    void ImageListChanged(const QStringList& names) override;
    void ImagePacketAcknowledged(int percent, bool imageComplete) override;
    void NextImageRequested() override;
    void InsufficientMemory() override;
    void TransferFailed() override;
    void GeneratingImage() override;
    void ImageDeleted(quint64 printer, quint8 reportNo) override;
    void ImageItemsReported(const TXLMessage& report) override;
    void ParametersReported(const TXLMessage& parameterData) override;
    void FlashWriteStarted() override;
    void FlashWriteEnded(bool written) override;
    void StatusChanged(const TCoder& coder) override;
    bool TakesConnection(const TCoder& coder, quint8 model, const QString& printerName) override;
    void ConnectAcknowledged(TCoder& coder) override;
    void MessageHandled(const TCoder& coder) override;
    void FaultReported(const TCoder& coder, TPrinterFault fault, const QString& text) override;
    void ClockReported(const TCoder& coder, quint16 year, quint8 month, quint8 day, quint8 hour,
                       quint8 minute) override;
    std::optional<QString> OperatorTextRequest(const TCoder& coder, const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest(const TCoder& coder) override;
    std::optional<qint32> OperatorNumericRequest(const TCoder& coder, qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;

    const TStationViews m_views;
    TStationEvents m_events;
    TConnectionManager m_manager;
    TPrinterRecorder m_recorder;
    TLineModel m_line;
    TTransferBatch m_batch;
    TImageDeletion m_deletion;
    TModifyImage m_modifyImage;
    QStringList m_itemsAskedFor; // images whose items the station's work asked for, oldest first
    QString m_startedImageA;
    QString m_startedImageB;
    QHash<quint64, int> m_openRequests;   // operator requests waiting, by printer
    QSet<quint64> m_clockSyncs;           // printers whose clock is to be set when they report it
};
