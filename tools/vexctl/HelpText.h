#pragma once

#include <QString>

// What vexctl --help says about the commands, their options and exit codes.
QString HelpText();
