#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include "app/Artwork.h"
#include "app/Program.h"
#include "designer/Form2.h"
#include "platform/ProcessLauncher.h"
#include "designer/QtDialogs.h"
#include "app/QtPrinter.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("quorvel");
  QGuiApplication::setDesktopFileName("quorvel");
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(quorvel::ProgramIcon(64))));

  quorvel::TQtProcessLauncher launcher;
  quorvel::TQtDialogs dialogs;
  quorvel::TQtPrinter printer;
  const auto createDesigner = [&]() -> std::unique_ptr<QWidget> {
    auto designer = std::make_unique<quorvel::TForm2>(dialogs, printer);
    dialogs.SetParent(designer.get());
    return designer;
  };
  quorvel::TProgram program(launcher, createDesigner, {});
  return program.Run();
}
