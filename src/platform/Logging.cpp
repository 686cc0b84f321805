#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcComm, "vex.comm", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCommTcp, "vex.comm.tcp", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCommSerial, "vex.comm.serial", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCoder, "vex.coder", QtWarningMsg)
Q_LOGGING_CATEGORY(lcDiscovery, "vex.discovery", QtWarningMsg)
Q_LOGGING_CATEGORY(lcStation, "vex.station", QtWarningMsg)
