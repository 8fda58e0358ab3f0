// The floor of a Qt Widgets program's start-up on this machine: one window
// that shows one 1280 x 720 picture (the path given), nothing else. The
// start-up benchmark measures it the same way as the programs it compares.
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel window;
  window.setFixedSize(1280, 720);
  if (argc > 1) window.setPixmap(QPixmap(QString::fromLocal8Bit(argv[1])));
  window.show();
  return QApplication::exec();
}
