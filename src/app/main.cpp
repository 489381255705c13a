#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName("Quorvel");
  QMainWindow window;
  window.setWindowTitle("Quorvel V2020");
  window.resize(657, 500);
  window.show();
  return QApplication::exec();
}
