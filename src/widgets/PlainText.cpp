#include "widgets/PlainText.h"

#include <QLabel>
#include <QTextDocument>

void PlainText::ForLabelsOf(QWidget& window)
{
    QList<QLabel*> labels = window.findChildren<QLabel*>();
    if (auto* label = qobject_cast<QLabel*>(&window))
        labels.append(label);
    for (QLabel* label : labels)
        if (label->textFormat() != Qt::RichText)
            label->setTextFormat(Qt::PlainText);
}

// A tool tip has no format of its own: escaped text in a paragraph is rich text that shows the
// characters as they are (text without a tag would be shown with its entities unresolved).
QString PlainText::ToolTip(const QString& text)
{
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}
