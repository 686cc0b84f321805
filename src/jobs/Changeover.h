#pragma once

#include "jobs/Job.h"
#include "jobs/ReadBack.h"
#include "station/StationEvent.h"

#include <QJsonArray>
#include <QObject>
#include <QPointer>

#include <memory>

class TCommChannel;
class TFontMap;
class TImageDesignFile;
class TStation;

// A product's changeover on the selected printer, through the station's own calls: the printer
// must be one the job is for; the job's image is sent when the printer lacks it or holds a
// different image of that name; the rules' values are given to the items; the items are read back
// and compared with the job. Only when everything matches may the operator confirm, and then the
// items are read back once more, right before printing starts: nothing prints with an image or
// data that differs from the job's. Every step goes into the station's events.
class TChangeover : public QObject
{
    Q_OBJECT

public:
    enum class TState
    {
        Idle,
        CheckingImage, // the printer holds an image of the job's name: is it the job's?
        SendingImage,  // the job's image goes to the printer
        ReadingItems,  // the items as they are, before the values are given
        ReadingBack,   // the values were given: the items as they are now
        Ready,         // everything matches: the operator may confirm
        Blocked,       // differences: the operator corrects or cancels
        Confirming,    // the last read-back, right before printing
        Starting,      // the printer was told to print
        Printing,      // done
        Refused,       // ended before anything was sent: Problem() says which rule refused
        Failed,        // ended on the way: Problem() says why
        Cancelled,
    };

    TChangeover(TStation& station, const TFontMap& fonts, QObject* parent = nullptr);
    ~TChangeover() override;

    // Starts the job's changeover on the selected printer with the operator's entries; the state says
    // how it goes on. Refused at once when no printer is selected, the printer is not one the job is
    // for or is printing, a transfer is under way, an entry is not taken, or the design file no longer
    // holds the job's image as it was read.
    void Start(const TJob& job, const TJobEntries& entries);
    // Ready or Blocked: the values (with corrected entries) are given again and read back. False, the
    // state kept and Problem() saying why, for an entry that is not taken.
    bool Correct(const TJobEntries& entries);
    // Ready: the items are read back once more, and printing starts only when every one matches.
    void Confirm();
    // Ends a changeover under way; what has gone to the printer stays there.
    void Cancel();

    TState State() const { return m_state; }
    // Waiting for the printer (not for the operator, and not ended).
    bool IsWorking() const;
    bool HasEnded() const;
    const TJob& Job() const { return m_job; }
    const TJobEntries& Entries() const { return m_entries; }
    const QString& Problem() const { return m_problem; }
    // Why the printer's image of the job's name was replaced; empty when it was not.
    const QString& ReplacedBecause() const { return m_replacedBecause; }
    // The differences of the last read-back; none when everything matched.
    const QList<TItemDifference>& Differences() const { return m_differences; }
    // The printer's rows of the last read-back.
    const QList<TImageItemRow>& Rows() const { return m_rows; }
    // The design file as read at the start; null before.
    const TImageDesignFile* Image() const { return m_image.get(); }

    // "item 2: expected L12345, found L99999; item 3: …", as the history and the command line say it.
    static QString DifferencesText(const QList<TItemDifference>& differences);
    // [{"item": "2", "expected": "L12345", "found": "L99999"}, …], as the history and the command
    // line's JSON hold it.
    static QJsonArray DifferencesJson(const QList<TItemDifference>& differences);

signals:
    void StateChanged(TChangeover::TState state);

private:
    TCoder* Printer() const;
    QJsonObject Values(QJsonObject values = {}) const;
    void Record(TStationEventKind kind, QJsonObject values = {});
    void RecordCheck(const char* check, bool passed, QJsonObject values = {});
    void SetState(TState state);
    void End(TState state, const QString& problem);
    void Refuse(const char* check, const QString& problem);
    void Fail(const QString& problem);
    std::optional<QString> PrinterRefusal(const TCoder& printer) const;
    std::optional<QString> EntryRefusal(const TJobEntries& entries) const;
    void SendImage(const char* action, const QString& reason, const QList<TItemDifference>& differences);
    void ReadItems(TState state);
    void ApplyValues();
    void OnItemsRead(const QString& image, const QList<TImageItemRow>& rows, TImageItemsEnd end);
    void OnEvent(const TStationEvent& event);
    void OnPrinterLeaving(TCommChannel& channel);
    void OnSelectionChanged();

    TStation& m_station;
    const TFontMap& m_fonts;
    TState m_state = TState::Idle;
    TJob m_job;
    TJobEntries m_entries;
    std::unique_ptr<TImageDesignFile> m_image;
    QPointer<TCommChannel> m_printer;
    TEventPrinter m_eventPrinter;
    bool m_imageStored = false; // the printer took the image sent
    QString m_problem;
    QString m_replacedBecause;
    QList<TItemDifference> m_differences;
    QList<TImageItemRow> m_rows;
    TImageItemsEnd m_end = TImageItemsEnd::Complete;
};
