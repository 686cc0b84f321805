#include "Journal.h"

#include <QByteArray>

#include <cstdio>

void Journal::Write(TPriority priority, const QString& text)
{
    // A line break in a text (a printer's name) would make a line without a priority.
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    const QByteArray bytes = '<' + QByteArray::number(int(priority)) + '>' + line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void Journal::CaptureQtMessages()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        switch (type) {
        case QtDebugMsg:
            return Write(Debug, message);
        case QtInfoMsg:
            return Write(Info, message);
        case QtWarningMsg:
            return Write(Warning, message);
        case QtCriticalMsg:
        case QtFatalMsg:
            return Write(Error, message);
        }
    });
}
