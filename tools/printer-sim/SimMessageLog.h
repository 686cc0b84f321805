#pragma once

#include <QFile>
#include <QString>

class TXLMessage;

// One JSON object per line for every complete message the printer received or sent:
// {"dir":"in","id":63,"sub":5,"messageNo":1,"body":"0a0b"}. Each line is flushed as it is written,
// so a test can read what reached the printer while it runs.
class TSimMessageLog
{
public:
    enum class Direction
    {
        In,
        Out
    };

    // Creates or empties the file; false (with ErrorString) when it cannot be written.
    bool Open(const QString& path);
    QString ErrorString() const { return m_file.errorString(); }
    void Write(Direction direction, const TXLMessage& message);

    static QByteArray Line(Direction direction, const TXLMessage& message);

private:
    QFile m_file;
};
