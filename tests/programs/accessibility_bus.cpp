#include "accessibility_bus.h"

// Built with the real-display run only (X11 and Qt D-Bus found).
#ifdef BEDITOR_HAVE_X11

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>

namespace beditor::test {
namespace {

const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
constexpr int kCallTimeoutMs = 3000;
constexpr int kMaxDepth = 40;
// A whole walk of a window's tree; a program that stops answering ends it, not the test run.
constexpr int kWalkTimeoutMs = 20000;
// Calls wait with the test's own event loop running: the program calls back into this
// process (the launcher's GetAddress) and must be answered meanwhile, or both sides wait
// for each other until their calls time out, one after another, for every node of a tree.
//
// The wait is the test's own event loop with its own timer: Qt's blocking call with the loop
// running (BlockWithGui) has been seen to wait on well past its timeout, now and then, in the
// sanitizer build.
QDBusMessage CallWithin(const QDBusConnection& connection, const QDBusMessage& message) {
  QDBusPendingCall pending = connection.asyncCall(message, kCallTimeoutMs);
  if (!pending.isFinished()) {
    QEventLoop loop;
    QDBusPendingCallWatcher watcher(pending);
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(kCallTimeoutMs, &loop, &QEventLoop::quit);
    if (!pending.isFinished()) loop.exec();
  }
  if (!pending.isFinished()) return QDBusMessage::createError(QDBusError::Timeout, QStringLiteral("no reply in time"));
  return pending.reply();
}

// The one call a program makes to the launcher: where the accessibility bus is.
class Launcher : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.a11y.Bus")

 public:
  explicit Launcher(QString address) : address_(std::move(address)) {}

 public slots:
  QString GetAddress() const { return address_; }

 private:
  QString address_;
};

// A session bus of our own: sockets in `folder`, everyone allowed everything, no services
// started on demand.
QByteArray Configuration(const QString& folder) {
  return QStringLiteral(
             "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
             " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
             "<busconfig>\n"
             "  <type>session</type>\n"
             "  <listen>unix:dir=%1</listen>\n"
             "  <auth>EXTERNAL</auth>\n"
             "  <policy context=\"default\">\n"
             "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
             "    <allow eavesdrop=\"true\"/>\n"
             "    <allow own=\"*\"/>\n"
             "  </policy>\n"
             "</busconfig>\n")
      .arg(folder.toHtmlEscaped())
      .toUtf8();
}

}  // namespace

AccessibilityBus::AccessibilityBus() = default;

AccessibilityBus::~AccessibilityBus() {
  if (connection_) QDBusConnection::disconnectFromBus(connection_->name());
  if (daemon_.state() != QProcess::NotRunning) {
    daemon_.kill();
    daemon_.waitForFinished(5000);
  }
}

bool AccessibilityBus::Start(const QString& daemon, const QString& folder) {
  const QString configuration = QDir(folder).filePath(QStringLiteral("bus.conf"));
  QFile file(configuration);
  if (!file.open(QIODevice::WriteOnly) || file.write(Configuration(folder)) < 0) return false;
  file.close();

  daemon_.setProgram(daemon);
  daemon_.setArguments({"--config-file=" + configuration, "--nofork", "--print-address=1"});
  // Its complaints about limits it may not raise here are no concern of the test.
  daemon_.setStandardErrorFile(QProcess::nullDevice());
  daemon_.start();
  if (!daemon_.waitForStarted(10000)) return false;
  QDeadlineTimer deadline(20000);
  while (!daemon_.canReadLine() && !deadline.hasExpired()) daemon_.waitForReadyRead(200);
  address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
  if (address_.isEmpty()) return false;

  connection_ = std::make_unique<QDBusConnection>(
      QDBusConnection::connectToBus(address_, QStringLiteral("beditor-accessibility-test")));
  if (!connection_->isConnected()) return false;
  launcher_ = std::make_unique<Launcher>(address_);
  return connection_->registerObject(QStringLiteral("/org/a11y/bus"), launcher_.get(),
                                     QDBusConnection::ExportAllSlots) &&
         connection_->registerService(QStringLiteral("org.a11y.Bus"));
}

void AccessibilityBus::AddTo(QProcessEnvironment& environment) const {
  environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
  // Qt's bridge asks the bus whether a screen reader is on; this tells it to publish anyway.
  environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
  // Set, it would send the bridge to another bus.
  environment.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
}

QList<AccessibilityBus::Node> AccessibilityBus::Children(const Node& node) {
  QList<Node> children;
  const QDBusMessage reply = CallWithin(*connection_, QDBusMessage::createMethodCall(node.service, node.path, kAccessible, QStringLiteral("GetChildren")));
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return children;
  const auto list = reply.arguments().first().value<QDBusArgument>();
  list.beginArray();
  while (!list.atEnd()) {
    QString service;
    QDBusObjectPath path;
    list.beginStructure();
    list >> service >> path;
    list.endStructure();
    children.append({service, path.path()});
  }
  list.endArray();
  return children;
}

QString AccessibilityBus::Property(const Node& node, const char* name) {
  QDBusMessage get = QDBusMessage::createMethodCall(
      node.service, node.path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
  get << kAccessible << QString::fromLatin1(name);
  const QDBusMessage reply = CallWithin(*connection_, get);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return reply.arguments().first().value<QDBusVariant>().variant().toString();
}

QString AccessibilityBus::RoleName(const Node& node) {
  const QDBusMessage reply = CallWithin(*connection_, QDBusMessage::createMethodCall(node.service, node.path, kAccessible, QStringLiteral("GetRoleName")));
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return reply.arguments().first().toString();
}

std::optional<AccessibilityBus::Node> AccessibilityBus::Window(const QString& title) {
  if (!connection_) return std::nullopt;
  // The program's connections are the bus's other unique names; the one that publishes the
  // tree answers at the root path.
  const QDBusMessage listed = CallWithin(*connection_, QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                     QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames")));
  if (listed.type() != QDBusMessage::ReplyMessage || listed.arguments().isEmpty()) return std::nullopt;
  const QStringList names = listed.arguments().first().toStringList();
  for (const QString& name : names) {
    if (!name.startsWith(u':') || name == connection_->baseService()) continue;
    for (const Node& window : Children({name, kRootPath}))
      if (Property(window, "Name") == title) return window;
  }
  return std::nullopt;
}

void AccessibilityBus::CollectButtons(const Node& node, QList<std::pair<QString, Node>>& buttons,
                                      int depth, const QDeadlineTimer& deadline) {
  if (depth > kMaxDepth) return;
  for (const Node& child : Children(node)) {
    if (deadline.hasExpired()) return;
    if (RoleName(child) == QStringLiteral("push button"))
      buttons.append({Property(child, "Name"), child});
    CollectButtons(child, buttons, depth + 1, deadline);
  }
}

std::optional<QStringList> AccessibilityBus::ButtonsOf(const QString& windowTitle) {
  const auto window = Window(windowTitle);
  if (!window) return std::nullopt;
  QList<std::pair<QString, Node>> buttons;
  const QDeadlineTimer deadline(kWalkTimeoutMs);
  CollectButtons(*window, buttons, 0, deadline);
  if (deadline.hasExpired()) return std::nullopt;  // cut short: not the window's buttons
  QStringList names;
  for (const auto& [name, node] : buttons) names << name;
  return names;
}

bool AccessibilityBus::Press(const QString& windowTitle, const QString& buttonName) {
  const auto window = Window(windowTitle);
  if (!window) return false;
  QList<std::pair<QString, Node>> buttons;
  CollectButtons(*window, buttons, 0, QDeadlineTimer(kWalkTimeoutMs));
  for (const auto& [name, node] : buttons) {
    if (name != buttonName) continue;
    // Action 0 is the button's press.
    QDBusMessage press = QDBusMessage::createMethodCall(
        node.service, node.path, QStringLiteral("org.a11y.atspi.Action"), QStringLiteral("DoAction"));
    press << 0;
    return connection_->send(press);
  }
  return false;
}

}  // namespace beditor::test

#include "accessibility_bus.moc"

#endif
