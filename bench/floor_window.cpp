// The floor of the process start-up benchmark: a bare Qt window of the editor's size, with
// one line of text (the fair floor: every window with a caption sets up its fonts) or, with
// --no-text, nothing in it.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool withText = !(argc > 1 && std::strcmp(argv[1], "--no-text") == 0);
  QWidget window;
  window.setFixedSize(844, 386);
  if (withText) {
    auto* label = new QLabel(QStringLiteral("Brennic Editor"), &window);
    label->move(8, 8);
  }
  window.show();
  return application.exec();
}
