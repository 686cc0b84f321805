#pragma once

#include <QString>
#include <QStringList>

// The print window's choice of the images to print: the selected printer's image names, sorted, in
// two lists (image A, and image B for the two-head model), and the entry selected in each (-1 for
// none). The window shows the lists and selections as they are here and tells the operator's picks.
class TPrintChoice
{
public:
    // The printer's image list arrived: both lists hold the names, each with its first entry selected.
    void SetImages(const QStringList& names);
    // The printer reported its current images: each is selected where it is listed; a name that is
    // not listed leaves that list's selection as it was. Image B counts only for the two-head model.
    void SetCurrentImages(const QString& imageA, const QString& imageB, quint8 model);
    // The window opens for a printer: image A is its current image A (none when not listed); list B is
    // offered for the two-head model only, with its current image B.
    void Open(const QString& currentImageA, const QString& currentImageB, quint8 model);

    // The operator picked an entry; -1 or a row that does not exist selects none.
    void SelectA(int row) { m_selectedA = Valid(row); }
    void SelectB(int row) { m_selectedB = Valid(row); }

    const QStringList& Names() const { return m_names; }
    int SelectedA() const { return m_selectedA; }
    int SelectedB() const { return m_selectedB; }
    // Whether the window offers image B (decided when it opens).
    bool OffersImageB() const { return m_offersImageB; }

    // The images Start sends to a printer of the model: image B is empty unless it has two heads.
    QString ImageA() const { return Name(m_selectedA); }
    QString ImageB(quint8 model) const;

private:
    int Valid(int row) const { return row >= 0 && row < m_names.size() ? row : -1; }
    QString Name(int row) const { return row >= 0 ? m_names[row] : QString(); }

    QStringList m_names;
    int m_selectedA = -1;
    int m_selectedB = -1;
    bool m_offersImageB = false;
};
