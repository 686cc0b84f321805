#pragma once

#include <functional>

// The system beep with which fields refuse an entry. One replaceable function, so tests can count
// the beeps.
namespace SystemBeep {
void Sound();
// Replaces what Sound does; an empty function brings back the platform's beep.
void SetHook(std::function<void()> hook);
} // namespace SystemBeep
