#pragma once

#include "station/StationViews.h"

// Views that show nothing and decline every operator request (as closing its window without an
// answer does: the printer gets no reply). For programs that run the station's logic with nobody to
// see it, such as benchmarks and fuzz targets. Final, so that no window can inherit a silent answer.
class TSilentViews final : public TMainWindowView,
                           public TConnectionsView,
                           public TPrintWindowView,
                           public TImageTransferView,
                           public TImageDialogsView,
                           public TParametersView,
                           public TOperatorView
{
public:
    TStationViews Views() { return {*this, *this, *this, *this, *this, *this, *this}; }

    void UpdateForm(const TCoder&) override {}
    void SetCurrentImages(const QString&, const QString&) override {}
    void SetCoderStatus(quint16) override {}
    void PrintStarted(qint32) override {}
    void PrintStopped() override {}
    void SetPrintCountText(const QString&) override {}
    void SetFreeSpaceText(const QString&) override {}
    void GeneratingImage(const QString&, const QString&) override {}
    void ShowDisconnected() override {}
    void ClearComPortMenu() override {}
    void AddToComPortMenu(const QString&, bool) override {}
    void EntryAdded(const TConnectionEntry&) override {}
    void EntryChanged(const TConnectionEntry&) override {}
    void EntryRemoved(quint64) override {}
    void SetEnabled(bool) override {}
    void ShowNoEthernetConnection() override {}
    void UpdateImageList(const QStringList&) override {}
    void SetCurrentImages(const QString&, const QString&, quint8) override {}
    void HidePrintWindow() override {}
    void ShowTransferFile(const QString&, const QString&) override {}
    void SetTransferProgress(int) override {}
    bool ConfirmOverwrite(const QString&) override { return false; }
    bool ConfirmUnreadableBarcode(int, const QString&) override { return false; }
    void ShowFileRefused(const QString&) override {}
    void HideTransfer() override {}
    void ShowBatchAborted(const QString&) override {}
    void CloseTransfer() override {}
    void HideImageDelete() override {}
    void ShowImagesToDelete(const QStringList&) override {}
    void ShowImageItems(const QList<TImageItemRow>&, TImageItemsEnd) override {}
    void SetParameters(const TXLMessage&) override {}
    void HideParameters() override {}
    void ShowPrinterClock(quint64, quint16, quint8, quint8, quint8, quint8) override {}
    void ShowFlashWrite() override {}
    void HideFlashWrite() override {}
    void ShowMessage(const QString&) override {}
    std::optional<QString> OperatorTextRequest(const QString&, const QString&, quint8) override { return {}; }
    std::optional<QDate> OperatorDateRequest() override { return {}; }
    std::optional<qint32> OperatorNumericRequest(qint32, qint32, qint32, quint8) override { return {}; }
    void CloseOperatorRequests() override {}
};
