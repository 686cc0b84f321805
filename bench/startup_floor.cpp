// The floor of the start-up benchmark: a bare Qt Widgets window of the main window's size with one
// line of text (so that, like any window with text, it loads the fonts), shown until it is exposed.
// Prints "exposed" and its resident memory in MiB then.
#include "BenchSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    QLabel text(QStringLiteral("Telvos Vex"), &window);
    window.resize(342, 265);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("exposed %f\n", Bench::ResidentMiB());
    return 0;
}
