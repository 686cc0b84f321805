#pragma once

#include <QCoreApplication>
#include <QList>
#include <QMessageBox>

// Every message box of the station: the program's caption, an icon, the text and buttons in the
// language in use, and a modal wait for the operator (a nested event loop in which the printers go on
// talking). Tests answer the next boxes in advance, so that none of them waits.
class TMessageBox
{
    Q_DECLARE_TR_FUNCTIONS(TMessageBox)

public:
    using Button = QMessageBox::StandardButton;

    // A box as it was put to the operator, with the answer it got.
    struct TShownBox
    {
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        QString Text;
        QMessageBox::StandardButtons Buttons;
        Button Answer = QMessageBox::NoButton;
    };

    // Shows the box and waits for the button the operator picks; closing the box answers with its
    // escape button.
    static Button Show(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons,
                       QWidget* parent = nullptr);
    // The application's general error display: an error the operator must see, with an "OK" button.
    static void ShowError(const QString& text, QWidget* parent = nullptr);
    static void ShowInformation(const QString& text, QWidget* parent = nullptr);

    // For tests: the next box is answered with this button at once, without being shown. Answers
    // given for several boxes are used in order.
    static void SetNextAnswer(Button answer);
    // For tests: how many boxes were put to the operator so far, and the last of them.
    static int ShownCount();
    static TShownBox LastShown();
};
