#include "station/ImageDeleteChoice.h"

#include "station/ImageMessages.h"

#include <algorithm>

void TImageDeleteChoice::Reset(const QStringList& offered)
{
    m_source.clear();
    m_destination.clear();
    for (const QString& name : offered)
        Insert(m_source, name);
    m_focus = TSide::Source;
    UpdateButtons();
}

QStringList TImageDeleteChoice::Names(TSide side) const
{
    QStringList names;
    for (const TEntry& entry : List(side))
        names.append(entry.Name);
    return names;
}

QList<int> TImageDeleteChoice::SelectedRows(TSide side) const
{
    QList<int> rows;
    const QList<TEntry>& list = List(side);
    for (int row = 0; row < list.size(); ++row)
        if (list[row].Selected)
            rows.append(row);
    return rows;
}

void TImageDeleteChoice::Select(TSide side, const QList<int>& rows)
{
    QList<TEntry>& list = List(side);
    for (TEntry& entry : list)
        entry.Selected = false;
    for (const int row : rows)
        if (row >= 0 && row < list.size())
            list[row].Selected = true;
}

void TImageDeleteChoice::Insert(QList<TEntry>& list, const QString& name)
{
    const auto place =
        std::upper_bound(list.begin(), list.end(), name, [](const QString& a, const TEntry& b) {
            return ImageMessages::ImageNameLess(a, b.Name);
        });
    list.insert(place, TEntry{name, false});
}

void TImageDeleteChoice::MoveSelected(TSide from)
{
    QList<TEntry>& source = List(from);
    QList<TEntry>& target = List(from == TSide::Source ? TSide::Destination : TSide::Source);
    const auto first =
        std::find_if(source.begin(), source.end(), [](const TEntry& entry) { return entry.Selected; });
    const qsizetype firstSelected = first == source.end() ? -1 : first - source.begin();
    for (qsizetype row = source.size() - 1; row >= 0; --row) {
        if (!source[row].Selected)
            continue;
        Insert(target, source[row].Name);
        source.removeAt(row);
    }
    SelectAfterMove(from, firstSelected);
}

void TImageDeleteChoice::MoveAll(TSide from)
{
    QList<TEntry>& source = List(from);
    QList<TEntry>& target = List(from == TSide::Source ? TSide::Destination : TSide::Source);
    for (const TEntry& entry : source)
        Insert(target, entry.Name);
    source.clear();
    SelectAfterMove(from, 0);
}

void TImageDeleteChoice::SelectAfterMove(TSide side, qsizetype position)
{
    m_focus = side;
    QList<TEntry>& list = List(side);
    if (!list.isEmpty())
        list[std::clamp<qsizetype>(position, 0, list.size() - 1)].Selected = true;
    UpdateButtons();
}

void TImageDeleteChoice::UpdateButtons()
{
    m_buttons.Add = m_buttons.AddAll = !m_source.isEmpty();
    m_buttons.Remove = m_buttons.RemoveAll = !m_destination.isEmpty();
    m_buttons.Ok = m_buttons.Cancel = true;
}

QStringList TImageDeleteChoice::Confirm()
{
    m_buttons = {false, false, false, false, false, true};
    return Names(TSide::Destination);
}

void TImageDeleteChoice::Cancel()
{
    m_destination.clear();
    UpdateButtons();
}
