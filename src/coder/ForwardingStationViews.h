#pragma once

#include "coder/StationViews.h"

// Views that pass every call on to other views. A base for views that handle a few calls themselves
// and leave the rest to the windows.
class TForwardingStationViews : public TStationViews
{
public:
    explicit TForwardingStationViews(TStationViews& target) : m_target(target) {}

    void UpdateForm(const TCoder& coder) override { m_target.UpdateForm(coder); }
    void SetCurrentImages(const QString& imageA, const QString& imageB) override
    {
        m_target.SetCurrentImages(imageA, imageB);
    }
    void SetCoderStatus(quint16 statusWord) override { m_target.SetCoderStatus(statusWord); }
    void PrintStarted(qint32 printCount) override { m_target.PrintStarted(printCount); }
    void PrintStopped() override { m_target.PrintStopped(); }
    void SetPrintCountText(const QString& text) override { m_target.SetPrintCountText(text); }
    void SetFreeSpaceText(const QString& text) override { m_target.SetFreeSpaceText(text); }
    void GeneratingImage() override { m_target.GeneratingImage(); }
    void ImageSent() override { m_target.ImageSent(); }
    void TransferNextImage() override { m_target.TransferNextImage(); }
    void InsufficientMemory() override { m_target.InsufficientMemory(); }
    void TransferFailed() override { m_target.TransferFailed(); }
    void ShowDisconnected() override { m_target.ShowDisconnected(); }
    void ClearComPortMenu() override { m_target.ClearComPortMenu(); }
    void AddToComPortMenu(const QString& portName, bool checked) override
    {
        m_target.AddToComPortMenu(portName, checked);
    }
    void UpdateImageList(const QStringList& names) override { m_target.UpdateImageList(names); }
    void PrintWindowSetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) override
    {
        m_target.PrintWindowSetCurrentImages(imageA, imageB, model);
    }
    void HidePrintWindow() override { m_target.HidePrintWindow(); }
    void SetTransferProgress(int percent) override { m_target.SetTransferProgress(percent); }
    void HideImageTransfer() override { m_target.HideImageTransfer(); }
    void DeletionReported(quint8 reportNo) override { m_target.DeletionReported(reportNo); }
    void HideImageDelete() override { m_target.HideImageDelete(); }
    void ShowImageItems(const TXLMessage& report) override { m_target.ShowImageItems(report); }
    void SetParameters(const TXLMessage& parameterData) override { m_target.SetParameters(parameterData); }
    void HideParameters() override { m_target.HideParameters(); }
    void ShowPrinterClock(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minute) override
    {
        m_target.ShowPrinterClock(year, month, day, hour, minute);
    }
    void ShowFlashWrite() override { m_target.ShowFlashWrite(); }
    void HideFlashWrite() override { m_target.HideFlashWrite(); }
    void ShowMessage(const QString& text) override { m_target.ShowMessage(text); }
    std::optional<QString> OperatorTextRequest(const QString& prompt, const QString& text,
                                               quint8 maxLength) override
    {
        return m_target.OperatorTextRequest(prompt, text, maxLength);
    }
    std::optional<QDate> OperatorDateRequest() override { return m_target.OperatorDateRequest(); }
    std::optional<qint32> OperatorNumericRequest(qint32 value, qint32 limitA, qint32 limitB,
                                                 quint8 itemNumber) override
    {
        return m_target.OperatorNumericRequest(value, limitA, limitB, itemNumber);
    }
    void CloseOperatorRequests() override { m_target.CloseOperatorRequests(); }
    void UpdateChannelIcons() override { m_target.UpdateChannelIcons(); }
    void ConnectAcknowledged(TCommChannel& channel) override { m_target.ConnectAcknowledged(channel); }
    void PrinterDisconnected(TCommChannel& channel) override { m_target.PrinterDisconnected(channel); }
    void RefreshListView() override { m_target.RefreshListView(); }
    void SetConnectionManagerEnabled(bool enabled) override { m_target.SetConnectionManagerEnabled(enabled); }
    void ShowConnectionEntries(const QList<TConnectionEntry>& entries) override
    {
        m_target.ShowConnectionEntries(entries);
    }
    void ShowNoEthernetConnection() override { m_target.ShowNoEthernetConnection(); }

protected:
    TStationViews& Target() { return m_target; }

private:
    TStationViews& m_target;
};
