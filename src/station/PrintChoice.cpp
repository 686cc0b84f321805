#include "station/PrintChoice.h"

#include "coder/PrinterModels.h"
#include "station/ImageMessages.h"

void TPrintChoice::SetImages(const QStringList& names)
{
    m_names = names;
    ImageMessages::SortImageNames(m_names);
    m_selectedA = m_selectedB = m_names.isEmpty() ? -1 : 0;
}

void TPrintChoice::SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model)
{
    if (const int row = int(m_names.indexOf(imageA)); row >= 0)
        m_selectedA = row;
    if (model != PrinterModels::Deneb)
        return;
    if (const int row = int(m_names.indexOf(imageB)); row >= 0)
        m_selectedB = row;
}

void TPrintChoice::Open(const QString& currentImageA, const QString& currentImageB, quint8 model)
{
    m_selectedA = int(m_names.indexOf(currentImageA));
    m_offersImageB = model == PrinterModels::Deneb;
    m_selectedB = m_offersImageB ? int(m_names.indexOf(currentImageB)) : -1;
}

QString TPrintChoice::ImageB(quint8 model) const
{
    return model == PrinterModels::Deneb ? Name(m_selectedB) : QString();
}
