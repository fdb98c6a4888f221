#pragma once
// Include from a program's main() file only, once per executable: LeakSanitizer looks the
// hook up by name in sanitizer builds and ignores it otherwise.
//
// Every entry is a system library's own leak, not BEditor's:
// - libdbus-1: Qt's xcb platform talks to the session bus through libdbus, which keeps a
//   reallocated message buffer for the life of the process and never frees it at exit.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}
