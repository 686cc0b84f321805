#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Read-only little-endian reader of the design program's binary files (image design files and the
// font map). Strings are an int32 character count followed by that many 8-bit (ISO 8859-1)
// characters, without terminator.
//
// The stream knows how many bytes remain. A read past the end, or a string count larger than what
// remains, marks the stream damaged: the read gives 0 or the empty string, the position moves to the
// end, and nothing is allocated for the count. Once damaged, a stream stays damaged.
class TBinaryFileStream
{
public:
    explicit TBinaryFileStream(QByteArray bytes);

    // The whole file; empty with errorText set when it cannot be read.
    static std::optional<TBinaryFileStream> Open(const QString& fileName, QString* errorText = nullptr);

    quint8 ReadByte();
    char ReadChar();
    qint32 ReadInteger();
    quint32 ReadLongWord();
    double ReadDouble();
    // A count of zero or less reads no characters. With maxLength >= 1 at most maxLength characters
    // are read and the rest of the string stays unread.
    QString ReadString(int maxLength = 0);
    // The next count bytes as they stand, valid while the stream lives. A negative count, or more
    // than remain, damages the stream and gives no bytes.
    QByteArrayView ReadBytes(qint64 count);

    // The uint32 at offset bytes after the position, the position unchanged.
    quint32 PeekLongWord(qsizetype offset);

    qsizetype Position() const { return m_position; }
    qsizetype Remaining() const { return m_bytes.size() - m_position; }
    bool IsDamaged() const { return m_damaged; }
    // For a value the reader finds impossible (a negative size): the file is damaged as if it ended.
    void MarkDamaged() { Take(Remaining() + 1); }

private:
    // The next count bytes, or nullptr (the stream damaged) when fewer remain.
    const char* Take(qsizetype count);

    QByteArray m_bytes;
    qsizetype m_position = 0;
    bool m_damaged = false;
};
