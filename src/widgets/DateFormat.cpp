#include "widgets/DateFormat.h"

#include <QLocale>
#include <QRegularExpression>

QString DateFormat::ShortWithFullYear()
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return QLocale().dateFormat(QLocale::ShortFormat).replace(twoDigitYear, QStringLiteral("yyyy"));
}
