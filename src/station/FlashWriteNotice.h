#pragma once

#include <QObject>
#include <QTimer>

// When the wait notice shows while the selected printer writes its flash memory: from the printer's
// report that it started until it reports the end or a memory write error, and at the latest until
// the period that began when the notice was shown has passed, for a printer that never reports the
// end. A start reported while a period runs does not begin a new one.
class TFlashWriteNotice : public QObject
{
    Q_OBJECT

public:
    static constexpr int PeriodMs = 20000;

    explicit TFlashWriteNotice(QObject* parent = nullptr);

    // FlashWriteStarted from the selected printer.
    void FlashWriteStarted();
    // FlashWriteDone or MemoryWriteError from the selected printer. The period runs on.
    void FlashWriteEnded();
    // The period has passed.
    void FlashWriteTimerTimeOut();

    bool IsShown() const { return m_shown; }
    // For tests, which drive the period.
    QTimer& Timer() { return m_timer; }

signals:
    // The notice is to be shown (true) or hidden (false); told only on a change.
    void ShownChanged(bool shown);

private:
    void SetShown(bool shown);

    QTimer m_timer;
    bool m_shown = false;
};
