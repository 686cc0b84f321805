#include "widgets/SystemBeep.h"

#include <QApplication>

namespace {
std::function<void()>& Hook()
{
    static std::function<void()> hook;
    return hook;
}
} // namespace

void SystemBeep::Sound()
{
    if (Hook())
        Hook()();
    else
        QApplication::beep();
}

void SystemBeep::SetHook(std::function<void()> hook)
{
    Hook() = std::move(hook);
}
