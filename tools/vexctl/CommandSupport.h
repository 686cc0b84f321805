#pragma once

#include "comm/XLMessage.h"

#include <QString>

#include <functional>
#include <memory>

class QJsonObject;
class QTextStream;
class TCoder;
class TConsoleStation;

// What the printer commands share.
namespace Commands {

QTextStream& Err();
// The printer's name, model code and name, and version.
QJsonObject Identity(const TCoder& coder);
// Reports that the printer did not answer what and gives the exit code for it.
int NoAnswer(const QString& what);
// Reports that the printer went away (its link was lost, or it ended the connection) during what.
int PrinterGone(const QString& what);
// After a flash write the printer reported: an exit code for how it ended.
int FlashWriteResult(const TConsoleStation& station);
// Sends a request and waits until answered() holds.
bool Ask(TConsoleStation& station, TXLMessageKind request, const std::function<bool()>& answered);

} // namespace Commands
