#pragma once
// Reading and pressing the buttons of a program under test through its accessibility tree,
// as a screen reader does.
//
// A private D-Bus daemon serves as the program's session bus. The test answers on it as the
// accessibility bus launcher (org.a11y.Bus) and names that same bus as the accessibility
// bus, so Qt's AT-SPI bridge in the program publishes its widgets there. No desktop session
// and no registry daemon are needed. The test must let its event loop run (QTest::qWait)
// while the program connects, so that the launcher's answer goes out.
#ifdef BEDITOR_HAVE_X11

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QObject;

namespace beditor::test {

class AccessibilityBus {
 public:
  AccessibilityBus();
  ~AccessibilityBus();

  // Starts the daemon (dbus-daemon, found on the PATH) with a configuration written into
  // `folder`, and takes the launcher's name on it.
  bool Start(const QString& daemon, const QString& folder);

  // What a program needs in its environment to publish its widgets on this bus.
  void AddTo(QProcessEnvironment& environment) const;

  // The names of the push buttons inside the program's top-level window of this title;
  // none while the program has published no such window.
  std::optional<QStringList> ButtonsOf(const QString& windowTitle);

  // Presses the button of this name in that window, without waiting for the program to
  // finish the press (a press that opens a modal dialog returns only when it closes).
  bool Press(const QString& windowTitle, const QString& buttonName);

 private:
  struct Node {
    QString service;
    QString path;
  };
  std::optional<Node> Window(const QString& title);
  QList<Node> Children(const Node& node);
  QString Property(const Node& node, const char* name);
  QString RoleName(const Node& node);
  // Stops early, leaving `buttons` short, once `deadline` has passed.
  void CollectButtons(const Node& node, QList<std::pair<QString, Node>>& buttons, int depth,
                      const QDeadlineTimer& deadline);

  QProcess daemon_;
  QString address_;
  std::unique_ptr<QDBusConnection> connection_;
  std::unique_ptr<QObject> launcher_;
};

}  // namespace beditor::test

#endif
