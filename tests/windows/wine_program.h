#pragma once
// Programs on the private display for the Windows build's real-display tests: the
// cross-built program under Wine, the Linux build beside it for the pixels it paints, and
// the user's hand (clicks and keys through xdotool, which goes through the X server's test
// extension, as a real mouse and keyboard do).
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

#include "x_display_client.h"

namespace beditor::test {

// A folder setting the test needs, from the environment the test runs in (CTest sets them);
// fails the test when it is missing.
std::filesystem::path FolderFromEnvironment(const char* name);

// Copies a program folder as a user would unpack it, without a mode left by an earlier run.
void CopyProgramFolder(const std::filesystem::path& from, const std::filesystem::path& to);

// Polls `found` every 100 ms until it holds or `milliseconds` have passed.
bool WaitFor(const std::function<bool()>& found, int milliseconds);

// The first mapped window with this title, once there is one.
std::optional<unsigned long> WaitForWindow(XDisplayClient& client, const std::string& title, int milliseconds);

// What the window shows once two looks 400 ms apart agree: its painting has settled.
WindowPicture SettledPicture(XDisplayClient& client, unsigned long window);

// Runs Wine's programs in one prefix on one display.
class Wine {
 public:
  Wine(std::filesystem::path prefix, QString display);
  // The environment of a Windows program started from here.
  QProcessEnvironment Environment() const;
  // Starts `program` (a Windows executable, or a Wine built-in) with `arguments`.
  void Start(QProcess& process, const QString& program, const QStringList& arguments = {}) const;
  // Runs a Wine command to its end and gives its exit code (-1: it did not end in time).
  int Run(const QString& program, const QStringList& arguments, int milliseconds = 120000) const;
  // Ends every program of the prefix.
  void Stop() const;
  // The Linux path of a path inside the prefix's C: drive, e.g. "users".
  std::filesystem::path DriveC() const { return prefix_ / "drive_c"; }

 private:
  std::filesystem::path prefix_;
  QString display_;
};

// The user's hand on the display.
class Hand {
 public:
  explicit Hand(QString display) : display_(std::move(display)) {}
  // A left click at (x, y) of the window's own area.
  void Click(unsigned long window, int x, int y) const;
  // A key press, e.g. "Return", with the pointer resting over the window so that the key
  // reaches it on a display without a window manager.
  void Key(unsigned long window, const QString& key) const;

 private:
  void Run(const QStringList& arguments) const;
  QString display_;
};

// Saves a picture as a PNG, for a person to look at after a run.
void SavePicture(const WindowPicture& picture, const std::filesystem::path& path);

}  // namespace beditor::test
