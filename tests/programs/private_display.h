#pragma once
// An Xvfb server of the test's own, on the first free display number, with an X client
// connected to it: the real-display runs start programs there, one at a time.
#include <QProcess>
#include <QString>

#include "x_display_client.h"

namespace beditor::test {

class PrivateDisplay {
 public:
  PrivateDisplay() = default;
  PrivateDisplay(const PrivateDisplay&) = delete;
  PrivateDisplay& operator=(const PrivateDisplay&) = delete;
  ~PrivateDisplay();

  // Starts the server `xvfb` (1024 x 768, 24-bit) and connects; false when either fails.
  bool Start(const QString& xvfb);
  const QString& Name() const { return name_; }
  XDisplayClient& Client() { return client_; }

 private:
  QProcess server_;
  QString name_;
  XDisplayClient client_;
};

}  // namespace beditor::test
