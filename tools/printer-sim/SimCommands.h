#pragma once

#include <QString>

class TSimPrinter;

// The operator's commands to the simulated printer, one per line of its standard input.
namespace SimCommands {

// What the command line help says about them.
QString Help();

struct TResult
{
    bool Quit = false;
    QString Error; // empty when the command was carried out
};

TResult Execute(TSimPrinter& printer, const QString& line);

} // namespace SimCommands
