#pragma once

#include <QString>

// vexd's log: one line per message on standard error, each starting with its syslog priority in
// angle brackets ("<4>"), which the journal reads when systemd runs the program. Lines never hold
// the broker's password: nothing logged is made from it.
namespace Journal {

enum TPriority
{
    Error = 3,
    Warning = 4,
    Notice = 5,
    Info = 6,
    Debug = 7,
};

void Write(TPriority priority, const QString& text);
// Qt's own messages (warnings of its modules, the logging categories) go the same way.
void CaptureQtMessages();

} // namespace Journal
