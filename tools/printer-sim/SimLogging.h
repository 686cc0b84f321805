#pragma once

#include <QLoggingCategory>

// Traces of the simulated printer's links, off by default; enable with QT_LOGGING_RULES="vex.sim.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSim)
