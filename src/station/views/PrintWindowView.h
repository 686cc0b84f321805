#pragma once

#include <QString>
#include <QStringList>

// The print window as the station sees it: the selected printer's images.
class TPrintWindowView
{
public:
    virtual ~TPrintWindowView() = default;

    virtual void UpdateImageList(const QStringList& names) = 0;
    virtual void SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model) = 0;
    virtual void HidePrintWindow() = 0;
};
