#pragma once

#include "coder/StationViews.h"

#include <QObject>

#include <functional>

class TImageDeletion;
class TTransferBatch;

// The station's views on a console: printer faults and operator requests go to standard error,
// a transfer's progress is drawn as a bar there when it is a terminal, and every report from the
// printer is announced so that the command waiting for it can go on.
class TConsoleViews : public QObject, public TNullStationViews
{
    Q_OBJECT

public:
    explicit TConsoleViews(bool progressBar);

    TTransferBatch* Batch = nullptr;
    TImageDeletion* Deletion = nullptr;

    // What the printer has reported so far.
    bool ImageListReceived = false;
    bool PrintStartedReported = false;
    bool PrintStoppedReported = false;
    bool FlashWriteDone = false;
    bool StatusReported = false;
    QString TransferFailure;

    void UpdateImageList(const QStringList& names) override;
    void PrintStarted(qint32 printCount) override;
    void PrintStopped() override;
    void SetTransferProgress(int percent) override;
    void ImageSent() override;
    void TransferNextImage() override;
    void InsufficientMemory() override;
    void TransferFailed() override;
    void DeletionReported(quint8 reportNo) override;
    void HideFlashWrite() override;
    void ShowMessage(const QString& text) override;
    std::optional<QString> OperatorTextRequest(const QString& prompt, const QString& text,
                                               quint8 maxLength) override;
    std::optional<QDate> OperatorDateRequest() override;
    std::optional<qint32> OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override;
    void UpdateForm(const TCoder&) override { emit Changed(); }
    void SetCoderStatus(quint16 statusWord) override;
    void UpdateChannelIcons() override { emit Changed(); }
    void ShowConnectionEntries(const QList<TConnectionEntry>&) override { emit Changed(); }
    void ShowNoEthernetConnection() override;

signals:
    // Something was reported; a command waiting for a report checks whether it has come.
    void Changed();

private:
    bool m_progressBar;
    int m_lastPercent = -1;
};
