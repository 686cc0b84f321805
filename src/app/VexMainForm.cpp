#include "app/VexMainForm.h"

TVexMainForm::TVexMainForm(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(tr("Telvos Vex"));
    setFixedSize(342, 246);
}
