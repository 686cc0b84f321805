#pragma once

#include "comm/LinkPeer.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

#include <optional>

class TCoder;
class TConnectionManager;

// One printer as the line sees it: a plain value, read without the table, for the Line window and
// for what other programs publish of a printer. Everything is as the station last knew it.
struct TPrinterLineState
{
    enum class TConnection
    {
        Connected,
        Reconnecting, // lost without the operator asking; the station connects it again
        Disconnected,
    };

    quint64 Id = 0;  // its channel's id, which names the printer while the station runs
    QString Name;    // as the printer reported it; empty until it has
    quint8 Model = 6; // the model code; 6 until reported
    TLinkAddress Address;
    TConnection Connection = TConnection::Disconnected;
    QDateTime ReconnectingSince; // while reconnecting (the station's clock)
    int Attempts = 0;            // while reconnecting
    QString OtherPrinter;        // while reconnecting: another printer that answered at its address
    bool Selected = false;       // the printer the main window shows
    bool Printing = false;
    QString ImageA;
    QString ImageB; // the second head's image, on the two-image model
    qint32 PrintCount = 0;
    quint16 StatusWord = 0;
    QString Fault; // the newest fault the printer reported, as the message window showed it
    QDateTime FaultTime;

    // The ink (or, on the Altair, ribbon) lamp is lit.
    bool InkLamp() const;
    bool UsesRibbon() const;
    bool HasTwoImages() const;
    // "10.0.0.7:3000" on the network, the COM port's name on a serial line.
    QString Where() const;

    bool operator==(const TPrinterLineState&) const = default;

    // What the station knows of the printer at the channel, apart from its faults.
    static TPrinterLineState Of(const TCoder& coder, TConnection connection);
};

// Every printer the station knows (one row each, in the order the station came to know them, as the
// "Connections" window lists them), live: name, model, where it is reached, connection state,
// printing, current image(s), print count, ink or ribbon, the newest fault with its time. Every state
// is said in text. Other programs read the same states through States() and PrinterChanged.
class TLineModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum TColumn
    {
        NameColumn,
        ModelColumn,
        AddressColumn,
        ConnectionColumn,
        PrintingColumn,
        ImagesColumn,
        PrintCountColumn,
        InkColumn,
        FaultColumn,
        ColumnCount
    };
    // The printer's channel id, and a value that sorts a column as the operator expects (states in
    // their order, counts as numbers, times in time order).
    static constexpr int IdRole = Qt::UserRole;
    static constexpr int SortRole = Qt::UserRole + 1;

    struct TCounts
    {
        int Known = 0;
        int Connected = 0;
        int Reconnecting = 0;

        bool operator==(const TCounts&) const = default;
    };

    explicit TLineModel(TConnectionManager& manager, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<TPrinterLineState>& States() const { return m_rows; }
    std::optional<TPrinterLineState> StateOf(quint64 id) const;
    TCounts Counts() const { return m_counts; }

    // The station tells: what the printer shows may have changed; it reported a fault.
    void Update(quint64 id);
    void UpdateAll();
    void FaultReported(quint64 id, const QString& text);
    // The language changed: every text is read again.
    void Retranslate();

    // The texts the window shows, in the language in use. A time is the time of day, with its date
    // when it is not today.
    static QString TimeText(const QDateTime& time);
    static QString ConnectionText(const TPrinterLineState& state);
    static QString PrintingText(const TPrinterLineState& state);
    static QString ImagesText(const TPrinterLineState& state);
    static QString InkText(const TPrinterLineState& state);
    static QString FaultText(const TPrinterLineState& state);

signals:
    // A printer came, or what the station knows of it changed.
    void PrinterChanged(const TPrinterLineState& state);
    void PrinterRemoved(quint64 id);
    void CountsChanged(const TLineModel::TCounts& counts);

private:
    void Add(quint64 id);
    void Remove(quint64 id);
    std::optional<TPrinterLineState> Read(quint64 id) const;
    void CountAgain();
    QString Text(const TPrinterLineState& state, int column) const;
    QVariant SortValue(const TPrinterLineState& state, int column) const;

    TConnectionManager& m_manager;
    QList<TPrinterLineState> m_rows;
    QHash<quint64, int> m_rowOf;
    TCounts m_counts;
};
