#pragma once
// The system's default beep, behind a replaceable handler so tests can count beeps
// instead of sounding them.
#include <functional>

namespace beditor {

// Sounds the system's default beep (or runs the handler installed in its place).
void SystemBeep();

// Runs `handler` in place of the system beep from now on; an empty handler restores the
// system beep. Returns the handler that was installed before.
std::function<void()> SetBeepHandler(std::function<void()> handler);

}  // namespace beditor
