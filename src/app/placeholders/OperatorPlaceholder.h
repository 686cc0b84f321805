#pragma once

#include "app/StationWindow.h"
#include "station/views/OperatorView.h"

// Stands for the three operator request windows and the message window until they are built. It
// answers no request: each is declined as closing its window without an entry would, so the
// printer gets no reply.
class TOperatorPlaceholder : public TOperatorView, public TStationWindow
{
public:
    void ReloadWindowTexts() override {}

    void ShowMessage(const QString&) override {}
    std::optional<QString> OperatorTextRequest(const QString&, const QString&, quint8) override { return {}; }
    std::optional<QDate> OperatorDateRequest() override { return {}; }
    std::optional<qint32> OperatorNumericRequest(qint32, qint32, qint32, quint8) override { return {}; }
    void CloseOperatorRequests() override {}
};
