#include "station/FlashWriteNotice.h"

TFlashWriteNotice::TFlashWriteNotice(QObject* parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    // Precise, so that the period it has left can be told exactly.
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(PeriodMs);
    connect(&m_timer, &QTimer::timeout, this, &TFlashWriteNotice::FlashWriteTimerTimeOut);
}

void TFlashWriteNotice::FlashWriteStarted()
{
    if (!m_timer.isActive())
        m_timer.start();
    SetShown(true);
}

void TFlashWriteNotice::FlashWriteEnded()
{
    SetShown(false);
}

void TFlashWriteNotice::FlashWriteTimerTimeOut()
{
    m_timer.stop();
    SetShown(false);
}

void TFlashWriteNotice::SetShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    emit ShownChanged(shown);
}
