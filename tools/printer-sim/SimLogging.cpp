#include "SimLogging.h"

Q_LOGGING_CATEGORY(lcSim, "vex.sim", QtWarningMsg)
