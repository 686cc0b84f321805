#pragma once

#include <QLoggingCategory>

// Protocol traces, off by default; enable with QT_LOGGING_RULES="vex.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcComm)
Q_DECLARE_LOGGING_CATEGORY(lcCommTcp)
Q_DECLARE_LOGGING_CATEGORY(lcCommSerial)
Q_DECLARE_LOGGING_CATEGORY(lcCoder)
Q_DECLARE_LOGGING_CATEGORY(lcDiscovery)
Q_DECLARE_LOGGING_CATEGORY(lcStation)
