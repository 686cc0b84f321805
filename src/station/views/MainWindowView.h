#pragma once

#include <QString>

class TCoder;

// The main window as the station sees it: the selected printer's state and the "Com ports" menu.
class TMainWindowView
{
public:
    virtual ~TMainWindowView() = default;

    // Shows the whole state of the printer and enables the menus that need one.
    virtual void UpdateForm(const TCoder& coder) = 0;
    virtual void SetCurrentImages(const QString& imageA, const QString& imageB) = 0;
    virtual void SetCoderStatus(quint16 statusWord) = 0;
    virtual void PrintStarted(qint32 printCount) = 0;
    virtual void PrintStopped() = 0;
    virtual void SetPrintCountText(const QString& text) = 0;
    virtual void SetFreeSpaceText(const QString& text) = 0;
    // The printer has the Start message and generates the images it was started with.
    virtual void GeneratingImage(const QString& imageA, const QString& imageB) = 0;
    virtual void ShowDisconnected() = 0;
    virtual void ClearComPortMenu() = 0;
    virtual void AddToComPortMenu(const QString& portName, bool checked) = 0;
};
