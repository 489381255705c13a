#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/Artwork.h"
#include "app/Program.h"
#include "platform/ProcessLauncher.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quorvel");
  QGuiApplication::setDesktopFileName("quorvel");
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(quorvel::ProgramIcon(64))));

  quorvel::TQtProcessLauncher launcher;
  quorvel::TProgram program(launcher, {}, {});
  return program.Run();
}
