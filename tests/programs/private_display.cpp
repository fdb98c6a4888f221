#include "private_display.h"

#include <QDeadlineTimer>

namespace beditor::test {

bool PrivateDisplay::Start(const QString& xvfb) {
  server_.setProgram(xvfb);
  // The server writes the display number it took to the descriptor -displayfd names.
  server_.setArguments({"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
  server_.start();
  if (!server_.waitForStarted(10000)) return false;
  QDeadlineTimer deadline(20000);
  while (!server_.canReadLine() && !deadline.hasExpired()) server_.waitForReadyRead(200);
  const QString number = QString::fromLatin1(server_.readLine()).trimmed();
  if (number.isEmpty()) return false;
  name_ = ":" + number;
  return client_.Open(name_.toStdString());
}

PrivateDisplay::~PrivateDisplay() {
  client_.Close();
  server_.kill();
  server_.waitForFinished(5000);
}

}  // namespace beditor::test
