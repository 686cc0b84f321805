#include "coder/PrinterModels.h"

#include <array>

QString PrinterModels::Name(quint8 model)
{
    static const std::array<const char*, 6> names = {"Altair", "Vega", "Rigel", "Deneb", "Cygnus", "Lyra"};
    return model < names.size() ? QString::fromLatin1(names[model]) : QString();
}

QString PrinterModels::DisplayPrefix(quint8 model)
{
    const QString name = Name(model);
    return name.isEmpty() ? QString() : name + QLatin1String(" - ");
}
