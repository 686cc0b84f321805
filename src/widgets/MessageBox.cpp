#include "widgets/MessageBox.h"

#include <QApplication>
#include <QPushButton>

namespace {
struct TBoxState
{
    QList<TMessageBox::Button> NextAnswers;
    int ShownCount = 0;
    TMessageBox::TShownBox LastShown;
};

TBoxState& State()
{
    static TBoxState state;
    return state;
}

// The standard buttons take their texts from the station's language packs, like every other text.
void TranslateButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, QString> texts[] = {
        {QMessageBox::Ok, TMessageBox::tr("OK")},
        {QMessageBox::Cancel, TMessageBox::tr("Cancel")},
        {QMessageBox::Yes, TMessageBox::tr("Yes")},
        {QMessageBox::No, TMessageBox::tr("No")},
    };
    for (const auto& [button, text] : texts)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(text);
}
} // namespace

TMessageBox::Button TMessageBox::Show(QMessageBox::Icon icon, const QString& text,
                                      QMessageBox::StandardButtons buttons, QWidget* parent)
{
    TBoxState& state = State();
    Button answer = QMessageBox::NoButton;
    if (!state.NextAnswers.isEmpty()) {
        answer = state.NextAnswers.takeFirst();
    } else {
        QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons,
                        parent ? parent : QApplication::activeWindow());
        // The text may hold a printer's or a file's words.
        box.setTextFormat(Qt::PlainText);
        TranslateButtons(box);
        box.exec();
        answer = box.standardButton(box.clickedButton());
    }
    ++state.ShownCount;
    state.LastShown = {icon, text, buttons, answer};
    return answer;
}

void TMessageBox::ShowError(const QString& text, QWidget* parent)
{
    Show(QMessageBox::Critical, text, QMessageBox::Ok, parent);
}

void TMessageBox::ShowInformation(const QString& text, QWidget* parent)
{
    Show(QMessageBox::Information, text, QMessageBox::Ok, parent);
}

void TMessageBox::SetNextAnswer(Button answer)
{
    State().NextAnswers.append(answer);
}

int TMessageBox::ShownCount()
{
    return State().ShownCount;
}

TMessageBox::TShownBox TMessageBox::LastShown()
{
    return State().LastShown;
}
