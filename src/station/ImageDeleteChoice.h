#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The delete dialog's two lists: the images offered for deletion ("Source list:") and those chosen
// ("Images to delete:"), both sorted, each entry selected or not, and which of the move buttons can
// be used. The dialog shows the lists and buttons as they are here, tells the operator's selection
// before a move, and gives the keyboard focus to the list a move names.
class TImageDeleteChoice
{
public:
    enum class TSide
    {
        Source,
        Destination,
    };

    struct TButtons
    {
        bool Add = false;       // ">"
        bool AddAll = false;    // ">>"
        bool Remove = false;    // "<"
        bool RemoveAll = false; // "<<"
        bool Ok = true;
        bool Cancel = true;

        bool operator==(const TButtons&) const = default;
    };

    // The dialog opens: the offered names in the source, sorted, none chosen, nothing selected.
    void Reset(const QStringList& offered);

    QStringList Names(TSide side) const;
    QList<int> SelectedRows(TSide side) const;
    // The operator's selection in a list; rows that do not exist are ignored.
    void Select(TSide side, const QList<int>& rows);
    const TButtons& Buttons() const { return m_buttons; }
    // The list that gets the keyboard focus after the last move.
    TSide Focus() const { return m_focus; }

    // ">" (from the source) and "<" (from the destination): the selected entries move to the other
    // list; the entry now at the place of the first of them is selected (the last one past the
    // end, the first one when none was selected).
    void MoveSelected(TSide from);
    // ">>" and "<<": every entry moves to the other list; the list left empty keeps the focus.
    void MoveAll(TSide from);

    // "OK": the names to delete, in the order they go (the destination's). Only "Cancel" can be
    // used afterwards.
    QStringList Confirm();
    // "Cancel": nothing is chosen any more.
    void Cancel();

private:
    struct TEntry
    {
        QString Name;
        bool Selected = false;
    };

    QList<TEntry>& List(TSide side) { return side == TSide::Source ? m_source : m_destination; }
    const QList<TEntry>& List(TSide side) const { return side == TSide::Source ? m_source : m_destination; }
    static void Insert(QList<TEntry>& list, const QString& name);
    void SelectAfterMove(TSide side, qsizetype position);
    void UpdateButtons();

    QList<TEntry> m_source;
    QList<TEntry> m_destination;
    TButtons m_buttons;
    TSide m_focus = TSide::Source;
};
