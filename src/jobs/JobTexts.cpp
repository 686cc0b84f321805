#include "jobs/JobTexts.h"

#include <QCoreApplication>

QString JobText(const char* text)
{
    return QCoreApplication::translate(JobTexts::FileContext, text);
}

QString ChangeoverText(const char* text)
{
    return QCoreApplication::translate(JobTexts::ChangeoverContext, text);
}
