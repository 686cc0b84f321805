#pragma once

#include <QString>

class QWidget;

// Text the station did not write itself (a printer's or an image's name, an item's text, a file
// name, a fault text) is shown as it stands. Qt reads a label's or a tool tip's text that looks like
// HTML as HTML, and loads the images and files it names: a printer named <img src="..."> would make
// the window read that file.
namespace PlainText {

// Every label of the window, and of the windows it holds, shows its text as it stands. A form marks
// a label that shows the station's own rich text by giving it the text format RichText.
void ForLabelsOf(QWidget& window);

// Sets up a Designer form on its window with labels of plain text: the way every form is loaded.
template <typename Form, typename Window> void SetupForm(Form& form, Window* window)
{
    form.setupUi(window);
    ForLabelsOf(*window);
}

// A tool tip's text that shows the text as it stands, line breaks kept.
QString ToolTip(const QString& text);

} // namespace PlainText
