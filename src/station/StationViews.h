#pragma once

#include "station/views/ConnectionsView.h"
#include "station/views/ImageDialogsView.h"
#include "station/views/ImageTransferView.h"
#include "station/views/MainWindowView.h"
#include "station/views/OperatorView.h"
#include "station/views/ParametersView.h"
#include "station/views/PrintWindowView.h"

// Every window as the station sees it, one narrow interface each. The window program gives its
// windows, the command-line tool its console, the tests their recorders.
struct TStationViews
{
    TMainWindowView& Main;
    TConnectionsView& Connections;
    TPrintWindowView& Print;
    TImageTransferView& Transfer;
    TImageDialogsView& ImageDialogs;
    TParametersView& Parameters;
    TOperatorView& Operator;
};
