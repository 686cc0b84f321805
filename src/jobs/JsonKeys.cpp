#include "jobs/JsonKeys.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QList>
#include <QSet>

namespace JsonKeys {

namespace {

// An object or list being read, with what has been read of it.
struct TFrame
{
    bool Object = false;
    QString Path;
    QSet<QString> Keys;
    QString LastKey;
    qsizetype Index = 0;
    bool ExpectKey = false;
};

// The string literal that starts at position (its opening quote); position ends after its closing
// quote. Escapes are decoded as QJsonDocument decodes them, so "\u0061" and "a" are one key.
QString ReadLiteral(const QByteArray& text, qsizetype& position)
{
    const qsizetype start = position++;
    bool escaped = false;
    for (; position < text.size(); ++position) {
        if (text[position] == '\\') {
            escaped = true;
            ++position; // the escaped character, which may be a quote
        } else if (text[position] == '"') {
            break;
        }
    }
    ++position;
    const QByteArray literal = text.mid(start, position - start);
    if (!escaped)
        return QString::fromUtf8(literal.mid(1, literal.size() - 2));
    return QJsonDocument::fromJson('[' + literal + ']').array().at(0).toString();
}

QString ChildPath(const TFrame& parent)
{
    return parent.Object ? FieldPath(parent.Path, parent.LastKey) : EntryPath(parent.Path, parent.Index);
}

} // namespace

QString FieldPath(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString EntryPath(const QString& path, qsizetype index)
{
    return path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

std::optional<QString> FirstDuplicate(const QByteArray& text)
{
    QList<TFrame> frames;
    for (qsizetype position = 0; position < text.size();) {
        const char c = text[position];
        if (c == '"') {
            const QString literal = ReadLiteral(text, position);
            if (!frames.isEmpty() && frames.last().Object && frames.last().ExpectKey) {
                TFrame& object = frames.last();
                if (object.Keys.contains(literal))
                    return FieldPath(object.Path, literal);
                object.Keys.insert(literal);
                object.LastKey = literal;
                object.ExpectKey = false;
            }
            continue;
        }
        if (c == '{' || c == '[') {
            TFrame frame;
            frame.Object = c == '{';
            frame.ExpectKey = frame.Object;
            frame.Path = frames.isEmpty() ? QString() : ChildPath(frames.last());
            frames.append(frame);
        } else if ((c == '}' || c == ']') && !frames.isEmpty()) {
            frames.removeLast();
        } else if (c == ',' && !frames.isEmpty()) {
            TFrame& frame = frames.last();
            frame.ExpectKey = frame.Object;
            ++frame.Index;
        }
        ++position;
    }
    return std::nullopt;
}

} // namespace JsonKeys
